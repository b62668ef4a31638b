#include "floors/floor_link.hpp"

#include <zlib.h>

#include <cstring>

namespace q::floors {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int Sextet(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '-') return 62;
    if (c == '_') return 63;
    return -1;
}

// Raw deflate (no zlib header): the link carries its own prefix instead.
std::string Deflate(const std::string& in) {
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) return {};
    std::string out(deflateBound(&z, static_cast<uLong>(in.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return status == Z_STREAM_END ? out : std::string{};
}

// false when the bytes are not one whole deflate stream of at most `limit`
// bytes once unpacked.
bool Inflate(const std::string& in, size_t limit, std::string& out) {
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK) return false;
    out.assign(limit + 1, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&z, Z_FINISH);
    const bool whole = status == Z_STREAM_END && z.avail_in == 0 && z.total_out <= limit;
    out.resize(z.total_out);
    inflateEnd(&z);
    return whole;
}

}  // namespace

std::string Base64UrlEncode(const std::string& bytes) {
    std::string out;
    out.reserve((bytes.size() * 4 + 2) / 3);
    uint32_t bits = 0;
    int count = 0;
    for (const unsigned char b : bytes) {
        bits = (bits << 8) | b;
        count += 8;
        while (count >= 6) {
            count -= 6;
            out += kAlphabet[(bits >> count) & 63];
        }
    }
    if (count > 0) out += kAlphabet[(bits << (6 - count)) & 63];
    return out;
}

bool Base64UrlDecode(const std::string& text, std::string& bytes) {
    // One sextet left over cannot hold a byte: the text was cut.
    if (text.size() % 4 == 1) return false;
    bytes.clear();
    bytes.reserve(text.size() * 3 / 4);
    uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        const int v = Sextet(c);
        if (v < 0) return false;
        bits = (bits << 6) | static_cast<uint32_t>(v);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes += static_cast<char>((bits >> count) & 0xFF);
        }
    }
    return true;
}

std::string EncodeFloorLink(const Floor& floor, int number) {
    return kFloorLinkPrefix + Base64UrlEncode(Deflate(WriteFloorSource(floor, number)));
}

bool DecodeFloorLink(const std::string& link, Floor& out, std::string& source, std::string& error) {
    const size_t prefix = std::strlen(kFloorLinkPrefix);
    if (link.compare(0, prefix, kFloorLinkPrefix) != 0) {
        error = "this link holds no floor (it does not start with " + std::string(kFloorLinkPrefix) + ")";
        return false;
    }
    std::string packed;
    if (!Base64UrlDecode(link.substr(prefix), packed)) {
        error = "this floor link is damaged: it has characters a link never has, or was cut short";
        return false;
    }
    if (!Inflate(packed, kMaxLinkedSourceBytes, source)) {
        error = "this floor link is damaged: its floor does not unpack (was the link copied whole?)";
        return false;
    }
    SourceError sourceError;
    out = Floor{};
    if (!ParseFloorSource(source, out, sourceError)) {
        error = "this floor link holds no floor the game can read: line " + std::to_string(sourceError.line) + ": " +
                sourceError.message;
        return false;
    }
    return true;
}

}  // namespace q::floors
