#include "Gbk.h"

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <iconv.h>

namespace vt {
namespace {

// GB18030 is a superset that also decodes the GBK user-defined area; we write GBK only.
bool convert(const char* to, const char* from, const std::string& in, std::string& out, std::string* error,
             bool lenient) {
    out.clear();
    if (in.empty()) return true;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        if (error) *error = std::string("iconv cannot convert from ") + from + " to " + to;
        return false;
    }
    std::string buf(in.size() * 4 + 16, '\0');
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = &buf[0];
        size_t outLeft = buf.size();
        size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buf.data(), buf.size() - outLeft);
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: invalid or incomplete sequence at inPtr.
        if (!lenient) {
            if (error) {
                char msg[96];
                std::snprintf(msg, sizeof msg, "invalid %s byte 0x%02X at offset %zu", from,
                              static_cast<unsigned char>(*inPtr), static_cast<size_t>(inPtr - in.data()));
                *error = msg;
            }
            ok = false;
            break;
        }
        out += '?';
        // Skip one whole UTF-8 character when the input is UTF-8, else one byte.
        size_t skip = 1;
        if (std::string(from) == "UTF-8") {
            unsigned char c = static_cast<unsigned char>(*inPtr);
            skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            if (skip > inLeft) skip = inLeft;
        }
        inPtr += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return ok;
}

} // namespace

bool utf8ToGbk(const std::string& utf8, std::string& gbkOut, std::string* error) {
    return convert("GBK", "UTF-8", utf8, gbkOut, error, false);
}

bool gbkToUtf8(const std::string& gbkText, std::string& utf8Out, std::string* error) {
    return convert("UTF-8", "GBK", gbkText, utf8Out, error, false);
}

std::string gbk(const std::string& utf8) {
    std::string out, err;
    if (!utf8ToGbk(utf8, out, &err)) {
        std::fprintf(stderr, "internal error: literal is not GBK text: %s\n", err.c_str());
        std::abort();
    }
    return out;
}

std::string toUtf8(const std::string& gbkText) {
    std::string out;
    convert("UTF-8", "GBK", gbkText, out, nullptr, true);
    return out;
}

std::string toGbk(const std::string& utf8) {
    std::string out;
    convert("GBK", "UTF-8", utf8, out, nullptr, true);
    return out;
}

} // namespace vt
