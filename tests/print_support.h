#pragma once
// Printed pages looked at from outside: a PDF's text, images and pages through the
// poppler tools, and the page raster they render.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/color.h"

namespace velk::printtest {

// A binary PPM (P6) as pdftoppm writes it.
struct Raster {
    int width = 0, height = 0;
    std::vector<unsigned char> rgbBytes;
    Color at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return rgb(rgbBytes[i], rgbBytes[i + 1], rgbBytes[i + 2]);
    }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

inline std::optional<Raster> readPpm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Raster r;
    if (!(in >> magic >> r.width >> r.height >> maxValue) || magic != "P6" || maxValue != 255) return std::nullopt;
    in.get();
    r.rgbBytes.resize(static_cast<std::size_t>(r.width) * r.height * 3);
    if (!in.read(reinterpret_cast<char*>(r.rgbBytes.data()), static_cast<std::streamsize>(r.rgbBytes.size())))
        return std::nullopt;
    return r;
}

inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool havePoppler() { return std::system("command -v pdftoppm pdftotext pdfimages pdffonts > /dev/null 2>&1") == 0; }

// What a shell command writes on its standard output.
inline std::string commandOutput(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) out.append(buffer.data(), n);
    return out;
}

inline std::string pdfText(const std::string& pdf) { return commandOutput("pdftotext -layout '" + pdf + "' -"); }

// The line `pdffonts` gives the font of that name, or an empty text.
inline std::string pdfFontLine(const std::string& pdf, const std::string& font) {
    std::istringstream lines(commandOutput("pdffonts '" + pdf + "'"));
    std::string line;
    while (std::getline(lines, line))
        if (line.compare(0, font.size() + 1, font + " ") == 0 || line.compare(0, font.size() + 1, font + "-") == 0)
            return line;
    return std::string();
}

// The images of a PDF as `pdfimages -list` lists them: their types ("image",
// "smask", "stencil" ...) and encodings ("image" is lossless, "jpeg" is not).
struct PdfImage {
    std::string type;
    std::string encoding;
};
inline std::vector<PdfImage> pdfImages(const std::string& pdf) {
    std::vector<PdfImage> images;
    std::istringstream lines(commandOutput("pdfimages -list '" + pdf + "'"));
    std::string line;
    for (int skip = 0; skip < 2 && std::getline(lines, line); ++skip) {
    }
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string page, num, type, width, height, color, comp, bpc, enc;
        if (fields >> page >> num >> type >> width >> height >> color >> comp >> bpc >> enc)
            images.push_back({type, enc});
    }
    return images;
}

// The first page of a PDF at `dpi`, rendered next to it.
inline std::optional<Raster> renderPdf(const std::string& pdf, int dpi) {
    const std::string base = pdf + ".page";
    const std::string cmd =
        "pdftoppm -r " + std::to_string(dpi) + " -singlefile '" + pdf + "' '" + base + "' > /dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) return std::nullopt;
    return readPpm(base + ".ppm");
}

}  // namespace velk::printtest
