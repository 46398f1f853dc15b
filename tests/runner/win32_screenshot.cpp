#include "win32_screenshot.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace kp {
namespace {

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFFu);
    }
}

void PutChunk(std::string& out, const char* kind, const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = kind + data;
    out += body;
    PutBigEndian(out, Crc32(body));
}

// A zlib stream of stored (uncompressed) blocks: no compressor needed.
std::string Stored(const std::string& raw) {
    std::string out = "\x78\x01";
    constexpr std::size_t kBlock = 65535;
    for (std::size_t at = 0; at == 0 || at < raw.size(); at += kBlock) {
        const std::size_t size = std::min(kBlock, raw.size() - at);
        out += static_cast<char>(at + size >= raw.size() ? 1 : 0);
        const auto length = static_cast<std::uint16_t>(size);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw, at, size);
    }
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char c : raw) {
        a = (a + static_cast<unsigned char>(c)) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

// Top-down 32-bit BGRX rows into an RGB PNG.
std::string Png(int width, int height, const std::vector<std::uint8_t>& bgrx) {
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        for (int x = 0; x < width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 4;
            raw += static_cast<char>(bgrx[at + 2]);
            raw += static_cast<char>(bgrx[at + 1]);
            raw += static_cast<char>(bgrx[at]);
        }
    }
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", Stored(raw));
    PutChunk(png, "IEND", "");
    return png;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::filesystem::path& file) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    const HDC source = GetWindowDC(window);
    const HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const std::uint8_t*>(bits);
    const std::vector<std::uint8_t> pixels(first,
                                           first + static_cast<std::size_t>(width) * height * 4);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);

    std::ofstream out(file, std::ios::binary);
    out << Png(width, height, pixels);
    return static_cast<bool>(out);
}

}  // namespace kp
