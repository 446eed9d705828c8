"""Serves a static folder on 127.0.0.1 only, with WebAssembly's media type.

    python3 scripts/serve_site.py FOLDER [PORT]

Port 0 (the default) lets the system choose a free one. The first line on standard output is
the address, once the server accepts connections.
"""

import functools
import http.server
import sys


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    # Browsers compile a module while it downloads only when it comes as application/wasm.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, format, *args):
        pass


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    handler = functools.partial(SiteHandler, directory=folder)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
