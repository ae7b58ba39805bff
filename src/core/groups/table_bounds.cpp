#include "core/groups/table_bounds.h"

namespace ardeno {

std::string LeftOutRecords::Message() const {
  if (Count <= 0) return {};
  return std::string(Reason) + " (" + std::to_string(Count) + ").";
}

}  // namespace ardeno
