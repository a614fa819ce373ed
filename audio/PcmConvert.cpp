#include "audio/PcmConvert.h"

namespace vt {

std::vector<uint8_t> toUnsigned8(const int16_t* in, size_t n, int inRate, int outRate) {
    std::vector<uint8_t> out;
    if (!in || n == 0 || inRate <= 0 || outRate <= 0)
        return out;
    size_t m = static_cast<size_t>(static_cast<unsigned long long>(n) * outRate / inRate);
    out.resize(m);
    for (size_t i = 0; i < m; ++i) {
        // Input samples [lo, hi) fall into output sample i.
        size_t lo = static_cast<size_t>(static_cast<unsigned long long>(i) * inRate / outRate);
        size_t hi = static_cast<size_t>(static_cast<unsigned long long>(i + 1) * inRate / outRate);
        if (hi <= lo)
            hi = lo + 1;
        if (hi > n)
            hi = n;
        long sum = 0;
        for (size_t k = lo; k < hi; ++k)
            sum += in[k];
        long avg = sum / static_cast<long>(hi - lo);
        // Round to the nearest 8-bit step.
        long v = (avg + 32768 + 128) >> 8;
        out[i] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
    }
    return out;
}

} // namespace vt
