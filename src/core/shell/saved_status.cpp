#include "core/shell/saved_status.h"

namespace ardeno {

std::string SavedRecordsText(int count) {
  const char* noun = count == 1 ? "zákres" : count >= 2 && count <= 4 ? "zákresy" : "zákresů";
  return "Uloženo: " + std::to_string(count) + " " + noun;
}

}  // namespace ardeno
