#pragma once
// A decoded picture of the data archive, optionally cut into equal cells.
// Pixels are kept as RGBA bytes so that every canvas (Qt or recording) can use them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Image {
  public:
    // Decodes PNG bytes; returns no image (and says why on stdout) for bad data.
    // cellWidth/cellHeight 0 means one cell covering the whole picture.
    static std::shared_ptr<Image> fromPng(const std::string& bytes, const std::string& name,
                                          int cellWidth = 0, int cellHeight = 0, int cells = 1);
    static std::shared_ptr<Image> fromPixels(int width, int height, std::vector<uint8_t> rgba,
                                             const std::string& name);

    // Cuts the picture into cells of this size (as many as fit, at most `cells`).
    void cutIntoCells(int cellWidth, int cellHeight, int cells);

    const std::string& name() const { return name_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int cellWidth() const { return cellWidth_; }
    int cellHeight() const { return cellHeight_; }
    int cellCount() const { return cellCount_; }
    const std::vector<uint8_t>& rgba() const { return rgba_; }
    // Top-left pixel of a cell; cells run left to right, then top to bottom.
    void cellOrigin(int cell, int& x, int& y) const;

    // A platform canvas may keep its own converted copy here.
    mutable std::shared_ptr<void> backendCache;

  private:
    std::string name_;
    int width_ = 0, height_ = 0;
    int cellWidth_ = 0, cellHeight_ = 0, cellCount_ = 1;
    std::vector<uint8_t> rgba_;
};
