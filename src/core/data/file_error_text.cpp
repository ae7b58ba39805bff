// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/file_error_text.h"
#include "core/text/core_text.h"

#include <cerrno>

#include "core/data/file_replace.h"

namespace ardeno {

std::string FileErrorText(const std::error_code& error) {
  if (error == OutputLinkError())
    return CoreText("FileError",
                    "na místě souboru je odkaz na jiný soubor a přes odkaz se nezapisuje");
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
    return CoreText("FileError", "přístup odepřen");
  if (error == std::errc::no_space_on_device) return CoreText("FileError", "na disku není místo");
  if (error == std::errc::read_only_file_system)
    return CoreText("FileError", "médium je jen pro čtení");
  if (error == std::errc::no_such_file_or_directory)
    return CoreText("FileError", "soubor nebo složka neexistuje");
  if (error == std::errc::is_a_directory)
    return CoreText("FileError", "na místě souboru je složka");
  if (error == std::errc::not_a_directory) return CoreText("FileError", "cesta nevede do složky");
  if (error == std::errc::file_too_large) return CoreText("FileError", "soubor je příliš velký");
  if (error == std::errc::device_or_resource_busy || error == std::errc::text_file_busy)
    return CoreText("FileError", "soubor je používán jiným programem");
  if (error == std::errc::too_many_files_open || error == std::errc::too_many_files_open_in_system)
    return CoreText("FileError", "příliš mnoho otevřených souborů");
  if (error == std::errc::io_error) return CoreText("FileError", "chyba čtení nebo zápisu na disk");
  if (error == std::errc::file_exists)
    return CoreText("FileError", "na místě pomocného souboru je jiný soubor");
  if (error == std::errc::too_many_symbolic_link_levels)
    return CoreText("FileError", "odkazy na soubor tvoří smyčku");
  if (error == std::errc::filename_too_long)
    return CoreText("FileError", "cesta k souboru je příliš dlouhá");
  if (error == std::errc::directory_not_empty)
    return CoreText("FileError", "na místě souboru je složka");
  if (error == std::errc::cross_device_link)
    return CoreText("FileError", "soubor je na jiném disku než jeho složka");
#ifdef EDQUOT  // Windows knows no disk quota by this number
  if (error.value() == EDQUOT && error.category() == std::generic_category())
    return CoreText("FileError", "vyčerpána kvóta disku");
#endif
  // What the readers report for a pipe or a device under a data file's name.
  if (error == std::errc::not_supported) return CoreText("FileError", "není to běžný soubor");
  // The system's own wording would be English; the number lets an administrator look it up.
  return FillText(CoreText("FileError", "chyba systému č. %1"), {std::to_string(error.value())});
}

}  // namespace ardeno
