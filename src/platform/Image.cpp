#include "platform/Image.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <iostream>

std::shared_ptr<Image> Image::fromPng(const std::string& bytes, const std::string& name,
                                      int cellWidth, int cellHeight, int cells) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (bytes.empty() || !png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        std::cout << "image: cannot decode '" << name << "'" << std::endl;
        return nullptr;
    }
    png.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
        std::cout << "image: broken PNG data in '" << name << "': " << png.message << std::endl;
        png_image_free(&png);
        return nullptr;
    }
    auto image = fromPixels(static_cast<int>(png.width), static_cast<int>(png.height),
                            std::move(pixels), name);
    image->cutIntoCells(cellWidth, cellHeight, cells);
    return image;
}

void Image::cutIntoCells(int cellWidth, int cellHeight, int cells) {
    if (cellWidth <= 0 || cellHeight <= 0) return;
    cellWidth_ = cellWidth;
    cellHeight_ = cellHeight;
    int fit = (width_ / cellWidth) * (height_ / cellHeight);
    cellCount_ = std::max(1, std::min(cells, fit));
    if (fit < cells)
        std::cout << "image: '" << name_ << "' holds " << fit << " of " << cells << " cells"
                  << std::endl;
}

std::shared_ptr<Image> Image::fromPixels(int width, int height, std::vector<uint8_t> rgba,
                                         const std::string& name) {
    auto image = std::make_shared<Image>();
    image->name_ = name;
    image->width_ = width;
    image->height_ = height;
    image->cellWidth_ = width;
    image->cellHeight_ = height;
    image->rgba_ = std::move(rgba);
    return image;
}

void Image::cellOrigin(int cell, int& x, int& y) const {
    int perRow = std::max(1, width_ / std::max(1, cellWidth_));
    if (cell < 0 || cell >= cellCount_) cell = 0;
    x = (cell % perRow) * cellWidth_;
    y = (cell / perRow) * cellHeight_;
}
