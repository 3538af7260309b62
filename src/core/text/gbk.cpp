#include "text/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

namespace babyname::text {
namespace {

// iconv descriptors carry shift state and may not be shared between threads,
// so each thread keeps its own pair, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::optional<std::string> Convert(std::string_view in) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset state
    std::string out;
    out.resize(in.size() * 2 + 8);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    size_t produced = 0;
    while (true) {
      char* outPtr = out.data() + produced;
      size_t outLeft = out.size() - produced;
      size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      produced = out.size() - outLeft;
      if (rc != static_cast<size_t>(-1)) break;
      if (errno != E2BIG) return std::nullopt;  // EILSEQ / EINVAL: not representable
      out.resize(out.size() * 2);
    }
    out.resize(produced);
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& ToGbk() {
  thread_local Converter converter("GBK", "UTF-8");
  return converter;
}

Converter& ToUtf8() {
  thread_local Converter converter("UTF-8", "GBK");
  return converter;
}

// Length in bytes of the UTF-8 sequence that starts with `lead` (1 for stray bytes).
size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

bool IsAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return ToGbk().Convert(utf8);
}

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  return ToUtf8().Convert(gbk);
}

Result<std::string> UserTextToGbk(std::string_view utf8) {
  if (auto gbk = Utf8ToGbk(utf8)) return *gbk;
  // Find the first character without a GBK form to name it in the message.
  std::string_view bad = utf8;
  for (size_t i = 0; i < utf8.size();) {
    size_t len = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
    if (i + len > utf8.size()) len = utf8.size() - i;
    std::string_view one = utf8.substr(i, len);
    if (!ToGbk().Convert(one)) {
      bad = one;
      break;
    }
    i += len;
  }
  std::string message = *Utf8ToGbk("无法用GBK表示的字符：");
  message += "\"";
  // The offending character itself cannot be shown in GBK; give its code point.
  char code[16] = "?";
  if (!bad.empty()) {
    unsigned char c0 = static_cast<unsigned char>(bad[0]);
    unsigned cp = c0;
    size_t len = Utf8SequenceLength(c0);
    if (len > 1 && bad.size() >= len) {
      cp = c0 & (0xFF >> (len + 1));
      for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(bad[k]) & 0x3F);
    }
    std::snprintf(code, sizeof code, "U+%04X", cp);
  }
  message += code;
  message += "\"";
  return Status::Error(message);
}

std::string Utf8ToGbkOrEmpty(std::string_view utf8) { return Utf8ToGbk(utf8).value_or(std::string()); }

std::string GbkToUtf8OrEmpty(std::string_view gbk) { return GbkToUtf8(gbk).value_or(std::string()); }

bool IsGbkEncodable(std::string_view utf8) { return Utf8ToGbk(utf8).has_value(); }

}  // namespace babyname::text

namespace babyname::text {

std::string Gbk(std::string_view utf8Literal) { return Utf8ToGbkOrEmpty(utf8Literal); }

}  // namespace babyname::text
