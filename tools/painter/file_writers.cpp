#include "tools/painter/file_writers.h"

namespace painter {
namespace {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

int rowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

void fileHeader(Bytes& b, std::uint32_t fileSize, std::uint32_t pixelOffset) {
    b.push_back('B');
    b.push_back('M');
    put32(b, fileSize);
    put32(b, 0);
    put32(b, pixelOffset);
}

void infoHeader(Bytes& b, int width, int height, int bitsPerPixel, std::uint32_t imageSize) {
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(bitsPerPixel));
    put32(b, 0);  // no compression
    put32(b, imageSize);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
}

void palette(Bytes& b, const Palette& p) {
    for (const Rgb& c : p) {
        b.push_back(c.b);
        b.push_back(c.g);
        b.push_back(c.r);
        b.push_back(0);
    }
}

// Indexed rows bottom-up at 4 or 8 bits per pixel.
void indexedRows(Bytes& b, int size, int bitsPerPixel, const std::vector<std::uint8_t>& indices) {
    const int stride = rowBytes(size, bitsPerPixel);
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < size; ++x) {
            const std::uint8_t i = indices[static_cast<std::size_t>(y) * size + x];
            if (bitsPerPixel == 8)
                row[static_cast<std::size_t>(x)] = i;
            else
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? i : i << 4);
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

void maskRows(Bytes& b, int size, const std::vector<bool>& drawn) {
    const int stride = rowBytes(size, 1);
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < size; ++x)
            if (!drawn[static_cast<std::size_t>(y) * size + x])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
}

}  // namespace

Bytes bitmap24(const Image& image) {
    const int stride = rowBytes(image.width, 24);
    const auto imageSize = static_cast<std::uint32_t>(stride * image.height);
    Bytes b;
    fileHeader(b, 54 + imageSize, 54);
    infoHeader(b, image.width, image.height, 24, imageSize);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb& c = image.at(x, y);
            b.push_back(c.b);
            b.push_back(c.g);
            b.push_back(c.r);
        }
        for (int pad = image.width * 3; pad < stride; ++pad) b.push_back(0);
    }
    return b;
}

Bytes bitmap8(int width, int height, const std::vector<std::uint8_t>& indices, const Palette& colours,
              int trailing) {
    const int stride = rowBytes(width, 8);
    const auto imageSize = static_cast<std::uint32_t>(stride * height);
    const auto offset = static_cast<std::uint32_t>(54 + 4 * colours.size());
    Bytes b;
    fileHeader(b, offset + imageSize + static_cast<std::uint32_t>(trailing), offset);
    infoHeader(b, width, height, 8, imageSize);
    palette(b, colours);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) b.push_back(indices[static_cast<std::size_t>(y) * width + x]);
        for (int pad = width; pad < stride; ++pad) b.push_back(0);
    }
    b.insert(b.end(), static_cast<std::size_t>(trailing), 0);
    return b;
}

Bytes iconFile(const std::vector<IconEntry>& images) {
    std::vector<Bytes> bodies;
    for (const IconEntry& e : images) {
        Bytes body;
        const auto xorSize = static_cast<std::uint32_t>(rowBytes(e.size, e.bitsPerPixel) * e.size);
        const auto andSize = static_cast<std::uint32_t>(rowBytes(e.size, 1) * e.size);
        infoHeader(body, e.size, 2 * e.size, e.bitsPerPixel, xorSize + andSize);
        palette(body, e.palette);
        indexedRows(body, e.size, e.bitsPerPixel, e.indices);
        maskRows(body, e.size, e.drawn);
        bodies.push_back(std::move(body));
    }
    Bytes b;
    put16(b, 0);
    put16(b, 1);  // icon
    put16(b, static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconEntry& e = images[i];
        b.push_back(static_cast<std::uint8_t>(e.size >= 256 ? 0 : e.size));
        b.push_back(static_cast<std::uint8_t>(e.size >= 256 ? 0 : e.size));
        b.push_back(static_cast<std::uint8_t>(e.bitsPerPixel == 4 ? 16 : 0));
        b.push_back(0);
        put16(b, 1);
        put16(b, static_cast<std::uint32_t>(e.bitsPerPixel));
        put32(b, static_cast<std::uint32_t>(bodies[i].size()));
        put32(b, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) b.insert(b.end(), body.begin(), body.end());
    return b;
}

}  // namespace painter
