#pragma once
// Sample conversions between the synthesiser (16-bit signed) and the speech-file format (8-bit unsigned).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vt {

// Resamples 16-bit signed mono from inRate to outRate (averaging the inputs each output stands for, so
// downsampling does not alias badly) and converts to 8-bit unsigned (128 = silence).
std::vector<uint8_t> toUnsigned8(const int16_t* in, size_t n, int inRate, int outRate);

} // namespace vt
