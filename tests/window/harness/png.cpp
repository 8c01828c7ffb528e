#include "image.h"

#include <stb_image_write.h>

namespace harness {

bool writePng(const Image &image, const std::string &path) {
    if (image.empty()) {
        return false;
    }
    return stbi_write_png(path.c_str(), image.width(), image.height(), 3, image.bytes().data(),
                          image.width() * 3) != 0;
}

} // namespace harness
