// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The large arrays of the program (every record of the data file, the positions of every group
// and facula vertex) are filled right after they are allocated. Their memory is asked for in huge
// pages where the system offers them, so that filling 35 MB costs a few dozen page faults instead
// of nine thousand: on a virtual machine a fault of a fresh page costs over ten microseconds, and
// the faults, not the copying, were most of a load's time.
#include <cstddef>
#include <vector>

namespace ardeno {

// Asks for huge pages over the whole 2 MB pages inside [data, data + bytes); arrays below a few
// megabytes, and systems without huge pages, are left as they are.
void AdviseHugePages(void* data, std::size_t bytes);

// Reserves room for `count` elements; newly allocated room is advised as above before anything
// touches it.
template <class T>
void ReserveLarge(std::vector<T>& array, std::size_t count) {
  if (array.capacity() >= count) return;
  array.reserve(count);
  AdviseHugePages(array.data(), array.capacity() * sizeof(T));
}

}  // namespace ardeno
