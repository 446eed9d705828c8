#include "app/png_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <png.h>
#include <unistd.h>

namespace tessivo {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// libpng reports errors by longjmp; these hold the message for the caller.
void recordError(png_structp png, png_const_charp message) {
    auto* reason = static_cast<std::string*>(png_get_error_ptr(png));
    *reason = message;
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

std::string encode(std::FILE* file, const RgbImage& image) {
    std::string reason;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &reason, recordError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "out of memory";
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return reason.empty() ? "cannot encode the picture" : reason;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, image.at(0, y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return "";
}

} // namespace

std::string writePngFile(const std::string& path, const RgbImage& image) {
    if (image.empty() ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
        return "no picture to write";
    }
    const std::string temporary = path + ".partial";
    File file(std::fopen(temporary.c_str(), "wb"));
    if (!file) {
        return "cannot write " + path + ": " + std::strerror(errno);
    }
    std::string reason = encode(file.get(), image);
    if (reason.empty() && std::fflush(file.get()) != 0) {
        reason = std::strerror(errno);
    }
    if (std::fclose(file.release()) != 0 && reason.empty()) {
        reason = std::strerror(errno);
    }
    if (reason.empty() && std::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = std::strerror(errno);
    }
    if (!reason.empty()) {
        std::remove(temporary.c_str());
        return "cannot write " + path + ": " + reason;
    }
    return "";
}

std::string readPngFile(const std::string& path, RgbImage& image) {
    image = RgbImage();
    png_image decoder;
    std::memset(&decoder, 0, sizeof decoder);
    decoder.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&decoder, path.c_str())) {
        return "cannot read " + path + ": " + decoder.message;
    }
    decoder.format = PNG_FORMAT_RGB;
    RgbImage result(static_cast<int>(decoder.width), static_cast<int>(decoder.height));
    if (!png_image_finish_read(&decoder, nullptr, result.pixels.data(), 0, nullptr)) {
        const std::string message = decoder.message;
        png_image_free(&decoder);
        return "cannot read " + path + ": " + message;
    }
    image = std::move(result);
    return "";
}

} // namespace tessivo
