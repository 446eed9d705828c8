// Writes the label picture that the program carries, as the program decodes it, to a PNG file:
//
//     label_png OUTPUT.png
//
// The picture is stored bottom row first; PNG wants the top row first.

#include "surfaces/klein/label_picture.h"

#include <png.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: label_png OUTPUT.png\n");
        return 2;
    }
    const tessivo::LabelPicture& picture = tessivo::carriedLabelPicture();
    if (picture.width == 0 || picture.height == 0) {
        std::fprintf(stderr, "label_png: the carried picture is empty\n");
        return 1;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB;
    // A negative row stride walks the rows from the last one in memory, the top of the picture.
    const int stride = -3 * picture.width;
    if (!png_image_write_to_file(&image, argv[1], 0, picture.pixels.data(), stride, nullptr)) {
        std::fprintf(stderr, "label_png: %s\n", image.message);
        return 1;
    }
    std::printf("label_png: %dx%d, %d runs, %d literals, %zu packed bytes\n", picture.width,
                picture.height, picture.runs, picture.literals, picture.bytesRead);
    return 0;
}
