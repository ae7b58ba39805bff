#include "core/groups/table_bounds.h"

namespace ardeno {

std::string LeftOutRecords::Message() const {
  if (Count <= 0) return {};
  return std::string("Tabulka ") + TableName + " má místo jen pro " + std::to_string(Bound) + " " +
         Unit + "; zákresy mimo její rozsah nebyly započteny (" + std::to_string(Count) + ").";
}

}  // namespace ardeno
