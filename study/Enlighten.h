#pragma once
// "Enlighten": a memory aid built from the ASCII parts of a word's entry (example, part of speech, word parts of
// the memory hint, associated words). GBK text in and out.
#include <cstddef>
#include <string>

namespace vt {

class CWordStruct;

// Each part is cut at this many bytes (never inside a two-byte character). Hints, meanings and examples are far
// shorter; an association text of 19 values with long meanings is what can reach it.
constexpr size_t kEnlightenPartLimit = 1000;
// Association values read, the word itself included.
constexpr int kEnlightenAssociationValues = 20;

// The aid: example part, then "[词性]" + part of speech + CR LF, "[记法]" + word parts + CR LF, "[联想]" + associated
// words + CR LF, each only when not empty.
std::string buildEnlightenAid(const CWordStruct& word);

// The parts, each walked character by character: a byte of 0x80 or above starts a two-byte character, which
// is skipped whole (except the full-width "＋" of the root part), so a trail byte below 0x80 is never copied.
std::string enlightenRootPart(const std::string& hint);           // "" when it holds "自动词根分析:"
std::string enlightenPartOfSpeech(const std::string& meaning);    // every ASCII byte
std::string enlightenExamplePart(const std::string& example);     // ASCII except "(" and ")"
std::string enlightenAssociation(const std::string& association); // "[W]" values 2..20, each ASCII + ","

} // namespace vt
