// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// EXIF blocks as cameras write them, made byte by byte for tests: IFD0 points to the EXIF
// directory, which holds DateTimeOriginal ("2014:03:05 10:41:07"); and a JPEG that carries one.
#include <cstdint>
#include <string>

namespace ardeno::test {

class ByteWriter {
 public:
  explicit ByteWriter(bool littleEndian) : m_little(littleEndian) {}
  ByteWriter& U16(std::uint32_t v) { return Put(v, 2); }
  ByteWriter& U32(std::uint32_t v) { return Put(v, 4); }
  ByteWriter& Text(const std::string& s) {
    m_bytes += s;
    return *this;
  }
  const std::string& Str() const { return m_bytes; }

 private:
  ByteWriter& Put(std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) {
      const int shift = 8 * (m_little ? i : n - 1 - i);
      m_bytes += static_cast<char>((v >> shift) & 0xFF);
    }
    return *this;
  }
  bool m_little;
  std::string m_bytes;
};

// The APP1 payload: "Exif\0\0" and a TIFF structure in Intel (little) or Motorola byte order.
inline std::string ExifBlock(bool little, const std::string& dateTime, std::uint16_t tag = 0x9003) {
  ByteWriter tiff(little);
  tiff.Text(little ? "II" : "MM").U16(42).U32(8);
  tiff.U16(1).U16(0x8769).U16(4).U32(1).U32(26).U32(0);  // IFD0 at 8: the EXIF directory
  tiff.U16(1).U16(tag).U16(2).U32(20).U32(44).U32(0);    // EXIF directory at 26
  tiff.Text(dateTime).Text(std::string(1, '\0'));        // the value at 44
  return std::string("Exif\0\0", 6) + tiff.Str();
}

// The JPEG bytes with the EXIF block as an APP1 segment right after the start marker.
inline std::string WithExif(const std::string& jpeg, const std::string& exif) {
  ByteWriter app1(false);
  app1.Text("\xFF\xE1").U16(static_cast<std::uint32_t>(exif.size() + 2)).Text(exif);
  return jpeg.substr(0, 2) + app1.Str() + jpeg.substr(2);
}

}  // namespace ardeno::test
