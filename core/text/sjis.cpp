#include "core/text/sjis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace coilspring {
namespace {

std::size_t Utf8SequenceLength(unsigned char lead) {
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}

// A converter opened once per thread and direction: opening one costs more than converting the
// short texts of the records, and the history grid alone converts dozens per refresh.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) ::iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Handle() const { return cd_; }

 private:
  iconv_t cd_;
};

// Converts as far as possible, replacing each unconvertible input character with
// `replacement`; `unitLength` tells how many input bytes that character takes.
template <class UnitLength>
std::string Convert(const Converter& converter, std::string_view in, std::string_view replacement,
                    UnitLength unitLength) {
  if (!converter.Valid()) return std::string(in);
  iconv_t cd = converter.Handle();
  ::iconv(cd, nullptr, nullptr, nullptr, nullptr);  // from the initial state, whatever came before
  std::string out;
  std::vector<char> buf(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  while (srcLeft > 0) {
    char* dst = buf.data();
    std::size_t dstLeft = buf.size();
    const std::size_t r = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf.data(), dst);
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (a cut multi-byte sequence at the end).
      out.append(replacement);
      const std::size_t skip = std::min(unitLength(static_cast<unsigned char>(*src)), srcLeft);
      src += skip;
      srcLeft -= skip;
      ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
  static thread_local const Converter toUtf8("UTF-8", "CP932");
  return Convert(toUtf8, sjis, "\xEF\xBF\xBD", [](unsigned char) -> std::size_t { return 1; });
}

std::string Utf8ToSjis(std::string_view utf8) {
  static thread_local const Converter toSjis("CP932", "UTF-8");
  return Convert(toSjis, utf8, "?", Utf8SequenceLength);
}

}  // namespace coilspring
