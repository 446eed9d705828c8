// Draws the label that the program sticks onto the Klein bottle, packs it and writes the C++
// source that carries the packed bytes (surfaces/klein/label_picture_data.cpp).
//
//     label_generator OUTPUT.cpp [PREVIEW.png]
//
// The drawing uses cairo with the URW base 35 fonts, whose files CMake found at configure
// time; the packing is the program's own (packLabelPicture), so that packing the decoded
// picture again gives back exactly the bytes written here.

#include "math/angles.h"
#include "surfaces/klein/label_packing.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using tessivo::packLabelPicture;
using tessivo::pi;

constexpr int size = 512;
constexpr double band = 56.0; // width of the red border band

struct Colour {
    double r, g, b;
};

constexpr Colour red{0.80, 0.13, 0.11};
constexpr Colour black{0.0, 0.0, 0.0};
constexpr Colour white{1.0, 1.0, 1.0};
constexpr Colour cyan{0.76, 0.94, 0.96};
constexpr Colour green{0.10, 0.62, 0.24};
constexpr Colour yellow{1.00, 0.84, 0.10};
constexpr Colour orange{0.96, 0.55, 0.10};
constexpr Colour paleYellow{0.98, 0.95, 0.62};

void setColour(cairo_t* cr, const Colour& c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

// A font face loaded from a file; the FreeType face lives as long as cairo's face does.
cairo_font_face_t* loadFont(FT_Library library, const char* path) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, path, 0, &face) != 0) {
        std::fprintf(stderr, "label_generator: cannot load the font %s\n", path);
        return nullptr;
    }
    cairo_font_face_t* font = cairo_ft_font_face_create_for_ft_face(face, 0);
    static cairo_user_data_key_t key;
    cairo_font_face_set_user_data(font, &key, face,
                                  [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
    return font;
}

struct Fonts {
    cairo_font_face_t* italic = nullptr; // the lines on the border band
    cairo_font_face_t* roman = nullptr;  // "Bottiglia di"
    cairo_font_face_t* bold = nullptr;   // "Klein" and the year
};

double textWidth(cairo_t* cr, cairo_font_face_t* font, double points, const std::string& text) {
    cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, points);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// Text centred horizontally on (x, y) in the current user space, with y on the middle of the
// capitals, so that a line sits in the middle of its band whichever way the band runs.
void centredText(cairo_t* cr, cairo_font_face_t* font, double points, const std::string& text,
                 double x, double y) {
    cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, points);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_text_extents_t capitals;
    cairo_text_extents(cr, "H", &capitals);
    cairo_move_to(cr, x - extents.x_advance / 2.0, y - capitals.y_bearing / 2.0);
    cairo_show_text(cr, text.c_str());
}

// The red band round the edge with its four lines in black italics: the top one reads left to
// right, the left one upward, the right one downward, the bottom one left to right. All four
// share the largest size at which the longest fits between the corners.
void drawBorder(cairo_t* cr, const Fonts& fonts) {
    setColour(cr, red);
    cairo_paint(cr);

    const std::string top = "Superficie non orientabile e senza bordo";
    const std::string left = "Caratteristica di Eulero uguale a 0";
    const std::string right = "Formata da due nastri di Möbius";
    const std::string bottom = "La delizia del topologo";

    const double room = size - 2.0 * band - 16.0;
    double points = 27.0;
    for (const std::string* line : {&top, &left, &right, &bottom}) {
        const double width = textWidth(cr, fonts.italic, points, *line);
        if (width > room) {
            points *= room / width;
        }
    }

    setColour(cr, black);
    const double middle = band / 2.0;
    centredText(cr, fonts.italic, points, top, size / 2.0, middle);
    centredText(cr, fonts.italic, points, bottom, size / 2.0, size - middle);

    cairo_save(cr);
    cairo_translate(cr, middle, size / 2.0);
    cairo_rotate(cr, -pi / 2.0);
    centredText(cr, fonts.italic, points, left, 0.0, 0.0);
    cairo_restore(cr);

    cairo_save(cr);
    cairo_translate(cr, size - middle, size / 2.0);
    cairo_rotate(cr, pi / 2.0);
    centredText(cr, fonts.italic, points, right, 0.0, 0.0);
    cairo_restore(cr);

    // Thin black rules along the outer edge and round the field frame the band.
    setColour(cr, black);
    cairo_set_line_width(cr, 3.0);
    cairo_rectangle(cr, 4.5, 4.5, size - 9.0, size - 9.0);
    cairo_stroke(cr);
}

void drawField(cairo_t* cr) {
    setColour(cr, cyan);
    cairo_rectangle(cr, band, band, size - 2.0 * band, size - 2.0 * band);
    cairo_fill_preserve(cr);
    setColour(cr, black);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
}

// A regular five-pointed star with one point upward; the inner corners lie on the circle
// through the crossings of its edges, radius * sin 18° / sin 54°.
void drawStar(cairo_t* cr, double x, double y, double radius, const Colour& colour) {
    const double inner = radius * std::sin(pi / 10.0) / std::sin(3.0 * pi / 10.0);
    for (int k = 0; k < 10; ++k) {
        const double angle = -pi / 2.0 + k * pi / 5.0;
        const double r = k % 2 == 0 ? radius : inner;
        cairo_line_to(cr, x + r * std::cos(angle), y + r * std::sin(angle));
    }
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    setColour(cr, black);
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
}

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * pi);
    cairo_restore(cr);
}

// A trefoil, the simplest knot, as three loops in pale yellow lines. At each crossing the
// lower strand stops short on both sides, so that the crossings read over and under.
void drawKnot(cairo_t* cr, double x, double y, double scale) {
    struct Point {
        double x, y, t;
    };
    constexpr int steps = 720;
    constexpr double gap = 4.5; // pixels of the lower strand left out each side of a crossing
    std::vector<Point> curve;
    for (int i = 0; i < steps; ++i) {
        const double t = 2.0 * pi * i / steps;
        curve.push_back({x + scale * (std::sin(t) + 2.0 * std::sin(2.0 * t)),
                         y + scale * (std::cos(t) - 2.0 * std::cos(2.0 * t)), t});
    }
    // The height above the picture; the strand with the smaller one passes underneath.
    auto height = [](double t) { return -std::sin(3.0 * t); };

    // Crossings: pairs of polyline segments that intersect, away from their neighbours.
    std::vector<Point> under;
    for (int i = 0; i < steps; ++i) {
        const Point& a = curve[i];
        const Point& b = curve[(i + 1) % steps];
        for (int j = i + 2; j < steps; ++j) {
            if (i == 0 && j == steps - 1) {
                continue;
            }
            const Point& c = curve[j];
            const Point& d = curve[(j + 1) % steps];
            const double denominator = (b.x - a.x) * (d.y - c.y) - (b.y - a.y) * (d.x - c.x);
            if (denominator == 0.0) {
                continue;
            }
            const double u = ((c.x - a.x) * (d.y - c.y) - (c.y - a.y) * (d.x - c.x)) / denominator;
            const double v = ((c.x - a.x) * (b.y - a.y) - (c.y - a.y) * (b.x - a.x)) / denominator;
            if (u < 0.0 || u >= 1.0 || v < 0.0 || v >= 1.0) {
                continue;
            }
            const Point at{a.x + u * (b.x - a.x), a.y + u * (b.y - a.y), 0.0};
            const double ti = a.t + u * 2.0 * pi / steps;
            const double tj = c.t + v * 2.0 * pi / steps;
            under.push_back({at.x, at.y, height(ti) < height(tj) ? ti : tj});
        }
    }
    auto hidden = [&](const Point& p) {
        for (const Point& crossing : under) {
            const double dt = std::remainder(p.t - crossing.t, 2.0 * pi);
            if (std::abs(dt) < 0.5 && std::hypot(p.x - crossing.x, p.y - crossing.y) < gap) {
                return true;
            }
        }
        return false;
    };

    // Draw the visible arcs, starting just after a gap so that no arc is split at t = 0.
    int first = 0;
    while (first < steps && !(hidden(curve[first]) && !hidden(curve[(first + 1) % steps]))) {
        ++first;
    }
    setColour(cr, paleYellow);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    bool drawing = false;
    for (int k = 1; k <= steps; ++k) {
        const Point& p = curve[(first + k) % steps];
        if (hidden(p)) {
            drawing = false;
            continue;
        }
        if (drawing) {
            cairo_line_to(cr, p.x, p.y);
        } else {
            cairo_move_to(cr, p.x, p.y);
            drawing = true;
        }
    }
    cairo_stroke(cr);
}

// The black ellipse with its orange rim in the middle, "Bottiglia di" above a large "Klein"
// in white, the knot below them.
void drawEmblem(cairo_t* cr, const Fonts& fonts) {
    const double x = size / 2.0;
    const double y = 250.0;
    ellipsePath(cr, x, y, 170.0, 122.0);
    setColour(cr, black);
    cairo_fill_preserve(cr);
    setColour(cr, orange);
    cairo_set_line_width(cr, 9.0);
    cairo_stroke(cr);

    setColour(cr, white);
    centredText(cr, fonts.roman, 34.0, "Bottiglia di", x, y - 62.0);
    centredText(cr, fonts.bold, 100.0, "Klein", x, y + 4.0);
    drawKnot(cr, x, y + 80.0, 10.0);
}

void drawYear(cairo_t* cr, const Fonts& fonts) {
    setColour(cr, black);
    centredText(cr, fonts.bold, 40.0, "1882", size / 2.0, 416.0);
}

// The picture's pixels as R, G, B bytes, the bottom row first.
std::vector<unsigned char> bottomRowFirst(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<unsigned char> pixels;
    pixels.reserve(size * size * 3);
    for (int row = size - 1; row >= 0; --row) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(data + row * stride);
        for (int column = 0; column < size; ++column) {
            const std::uint32_t p = line[column]; // 0xXXRRGGBB in native order
            pixels.push_back(static_cast<unsigned char>(p >> 16));
            pixels.push_back(static_cast<unsigned char>(p >> 8));
            pixels.push_back(static_cast<unsigned char>(p));
        }
    }
    return pixels;
}

bool writeSource(const char* path, const std::vector<unsigned char>& packed) {
    std::FILE* file = std::fopen(path, "w");
    if (file == nullptr) {
        std::fprintf(stderr, "label_generator: cannot write %s\n", path);
        return false;
    }
    std::fprintf(file,
                 "// The label picture, packed. Generated by tools/label_generator: do not edit;\n"
                 "// the README says how to generate it again.\n"
                 "// clang-format off\n"
                 "#include \"surfaces/klein/label_picture_data.h\"\n\n"
                 "namespace tessivo {\n\n"
                 "const unsigned char labelPictureData[] = {\n");
    constexpr std::size_t perLine = 20;
    for (std::size_t i = 0; i < packed.size(); ++i) {
        std::fprintf(file, "0x%02x,", packed[i]);
        if (i % perLine == perLine - 1 || i + 1 == packed.size()) {
            std::fputc('\n', file);
        }
    }
    std::fprintf(file, "};\n\n"
                       "const std::size_t labelPictureDataSize = sizeof(labelPictureData);\n\n"
                       "} // namespace tessivo\n"
                       "// clang-format on\n");
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: label_generator OUTPUT.cpp [PREVIEW.png]\n");
        return 2;
    }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "label_generator: FreeType does not start\n");
        return 1;
    }
    Fonts fonts;
    fonts.italic = loadFont(library, LABEL_FONT_ITALIC);
    fonts.roman = loadFont(library, LABEL_FONT_ROMAN);
    fonts.bold = loadFont(library, LABEL_FONT_BOLD);
    if (fonts.italic == nullptr || fonts.roman == nullptr || fonts.bold == nullptr) {
        return 1;
    }

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size, size);
    cairo_t* cr = cairo_create(surface);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);

    drawBorder(cr, fonts);
    drawField(cr);
    drawStar(cr, 116.0, 114.0, 40.0, green);
    drawStar(cr, size - 116.0, 114.0, 40.0, yellow);
    drawEmblem(cr, fonts);
    drawYear(cr, fonts);

    const std::vector<unsigned char> packed = packLabelPicture(size, size, bottomRowFirst(surface));
    bool ok = writeSource(argv[1], packed);
    if (argc == 3 && cairo_surface_write_to_png(surface, argv[2]) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "label_generator: cannot write %s\n", argv[2]);
        ok = false;
    }
    std::printf("label_generator: %zu packed bytes\n", packed.size());

    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    cairo_font_face_destroy(fonts.italic);
    cairo_font_face_destroy(fonts.roman);
    cairo_font_face_destroy(fonts.bold);
    cairo_debug_reset_static_data();
    FT_Done_FreeType(library);
    return ok ? 0 : 1;
}
