// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/render_run.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>

#include "core/data/aux_file_io.h"
#include "core/data/picture_output.h"
#include "core/drawing/drawing_image_names.h"
#include "core/publishing/picture_facts.h"
#include "core/text/core_text.h"
#include "ui/shell/jpeg_file.h"
#include "ui/shell/picture_files.h"
#include "ui/shell/picture_painting.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

void PrintHelp(std::ostream& out) {
  out << CoreText("ardeno-render",
                  "Použití: ardeno-render [--lang cs|en] POHLED SLOŽKA "
                  "VÝSTUP.png|.jpg|.bmp|.svg|.pdf [--size ŠxV] [--dpi N] [--data VÝSTUP.csv] "
                  "[--volba hodnota]...\n"
                  "  --lang cs|en  jazyk zpráv a popisků obrázku (jinak volba v nabídce Zadávání "
                  "programu nebo jazyk systému)\n"
                  "  --size ŠxV  velikost klientské oblasti okna = velikost obrázku v pixelech\n"
                  "  --dpi N  rozlišení obrázku z bodů (.png, .jpg, .bmp) pro tisk, 96 až 1200; "
                  "obraz okna se zvětší N/96krát\n"
                  "  .svg a .pdf  tentýž obraz s textem jako textem a čarami jako vektory (pro "
                  "články)\n"
                  "  --data VÝSTUP.csv  čísla, která obrázek kreslí, řádek za bodem nebo značkou "
                  "(grafy, motýlek, mapy)\n"
                  "Pohledy:\n");
  for (const auto& [name, view] : Views()) {
    out << "  " << name << "  "
        << FillText(CoreText("ardeno-render", "%1 (výchozí velikost %2x%3)"),
                    {CoreText("ardeno-render", view.Summary.c_str()),
                     std::to_string(view.DefaultSize.width()),
                     std::to_string(view.DefaultSize.height())})
        << "\n";
    for (const ViewOption& option : view.Options) {
      out << "    --" << option.Name << " ";
      if (option.IsNumber) {
        out << "N";
      } else if (option.Choices.empty()) {
        out << "TEXT";
      } else {
        for (std::size_t i = 0; i < option.Choices.size(); ++i)
          out << (i ? "|" : "") << option.Choices[i];
      }
      out << "  "
          << FillText(CoreText("ardeno-render", "%1 (výchozí %2)"),
                      {CoreText("ardeno-render", option.Help.c_str()), option.Default})
          << "\n";
    }
  }
}

bool IsWholeNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end;
}

// Checks one option value against its declaration; the refusal when it does not fit.
std::optional<std::string> CheckOption(const ViewOption& option, const std::string& value) {
  if (option.IsNumber) {
    if (IsWholeNumber(value)) return std::nullopt;
    return FillText(CoreText("ardeno-render", "Volba --%1 čeká celé číslo, ne \"%2\"."),
                    {option.Name, value});
  }
  if (option.Choices.empty()) return std::nullopt;  // free text, the view checks it
  for (const std::string& choice : option.Choices)
    if (choice == value) return std::nullopt;
  std::string list;
  for (const std::string& choice : option.Choices) list += (list.empty() ? "" : ", ") + choice;
  return FillText(CoreText("ardeno-render", "Volba --%1 nemá hodnotu \"%2\" (možnosti: %3)."),
                  {option.Name, value, list});
}

struct ParsedArgs {
  const View* Chosen = nullptr;
  std::string Folder;
  std::string Output;
  std::optional<std::string> DataOutput;
  QSize Size;
  int Dpi = kScreenDpi;
  OptionValues Options;
};

std::optional<std::string> ParseArgs(const std::vector<std::string>& args, ParsedArgs& parsed) {
  if (args.size() < 3)
    return CoreText("ardeno-render", "Chybí pohled, složka s daty nebo výstupní soubor.");
  const auto found = Views().find(args[0]);
  if (found == Views().end())
    return FillText(CoreText("ardeno-render", "Neznámý pohled: %1"), {args[0]});
  const View& view = found->second;
  parsed.Chosen = &view;
  parsed.Folder = args[1];
  parsed.Output = args[2];
  parsed.Size = view.DefaultSize;
  parsed.Options = DefaultOptions(view);
  for (std::size_t i = 3; i < args.size(); i += 2) {
    const std::string& flag = args[i];
    if (flag.rfind("--", 0) != 0)
      return FillText(CoreText("ardeno-render", "Nečekaný argument: %1"), {flag});
    if (i + 1 >= args.size())
      return FillText(CoreText("ardeno-render", "Volbě %1 chybí hodnota."), {flag});
    const std::string name = flag.substr(2);
    const std::string& value = args[i + 1];
    if (name == "data") {
      parsed.DataOutput = value;
      continue;
    }
    if (name == "dpi") {
      if (!IsWholeNumber(value) || std::stoi(value) < kScreenDpi || std::stoi(value) > kMaxPrintDpi)
        return FillText(CoreText("ardeno-render",
                                 "Neplatné rozlišení \"%1\": --dpi čeká celé číslo 96 až 1200."),
                        {value});
      parsed.Dpi = std::stoi(value);
      continue;
    }
    if (name == "size") {
      const std::optional<QSize> size = ParseSize(value);
      if (!size)
        return FillText(CoreText("ardeno-render",
                                 "Neplatná velikost \"%1\": čeká se ŠÍŘKAxVÝŠKA, např. 1600x1000."),
                        {value});
      parsed.Size = *size;
      continue;
    }
    const auto option = std::find_if(view.Options.begin(), view.Options.end(),
                                     [&](const ViewOption& o) { return o.Name == name; });
    if (option == view.Options.end())
      return FillText(CoreText("ardeno-render", "Pohled %1 nezná volbu %2."), {view.Name, flag});
    if (auto refusal = CheckOption(*option, value)) return refusal;
    parsed.Options.Set(name, value);
  }
  return std::nullopt;
}

bool IsVector(PictureFormat format) {
  return format == PictureFormat::Svg || format == PictureFormat::Pdf;
}

// Written whole through a temporary file, in the format of the name's extension; PNG and JPG
// carry the facts.
std::optional<QString> WritePicture(const QImage& image, const std::filesystem::path& file,
                                    const PictureFacts& facts) {
  switch (*PictureFormatOf(file)) {
    case PictureFormat::Jpeg:
      return WriteJpegFile(image, file, kDefaultJpegQuality, facts);
    case PictureFormat::Bmp:
      return WriteImageFile(image, file, "BMP");
    case PictureFormat::Png:
    case PictureFormat::Svg:
    case PictureFormat::Pdf:
      break;
  }
  return WriteImageFile(image, file, "PNG", facts);
}

}  // namespace

std::optional<QSize> ParseSize(const std::string& text) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const std::string w = text.substr(0, x);
  const std::string h = text.substr(x + 1);
  if (!IsWholeNumber(w) || !IsWholeNumber(h)) return std::nullopt;
  const int width = std::stoi(w);
  const int height = std::stoi(h);
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return std::nullopt;
  return QSize(width, height);
}

int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "help" || args[0] == "--help") {
    PrintHelp(args.empty() ? err : out);
    return args.empty() ? 1 : 0;
  }
  ParsedArgs parsed;
  if (auto refusal = ParseArgs(args, parsed)) {
    err << *refusal << "\n";
    PrintHelp(err);
    return 1;
  }
  if (const auto refused = CheckPictureOutput(parsed.Output, parsed.Folder)) {
    err << *refused << "\n";
    return 1;
  }
  if (parsed.DataOutput) {
    // The numbers never take the picture's place, nor any file of the data folder.
    std::error_code ignored;
    if (*parsed.DataOutput == parsed.Output ||
        std::filesystem::equivalent(*parsed.DataOutput, parsed.Output, ignored)) {
      err << FillText(CoreText("ardeno-render",
                               "Obrázek i čísla mají jít do téhož souboru %1; zvol pro čísla jiné "
                               "jméno."),
                      {parsed.Output})
          << "\n";
      return 1;
    }
    if (const auto refused = CheckNumbersOutput(*parsed.DataOutput, parsed.Folder)) {
      err << *refused << "\n";
      return 1;
    }
  }
  const PictureFormat format = *PictureFormatOf(parsed.Output);
  if (IsVector(format) && parsed.Dpi != kScreenDpi) {
    err << FillText(CoreText("ardeno-render",
                             "Volba --dpi platí jen pro obrázky z bodů (.png, .jpg, .bmp); %1 je z "
                             "vektorů a na rozlišení nezávisí."),
                    {parsed.Output})
        << "\n";
    return 1;
  }
  const QSize pixels = PixelSizeAt(parsed.Size, parsed.Dpi);
  if (pixels.width() > kMaxSide || pixels.height() > kMaxSide) {
    err << FillText(CoreText("ardeno-render",
                             "Obrázek by při %1 dpi měl %2x%3 pixelů, víc než %4 na stranu; "
                             "zmenši --size nebo --dpi."),
                    {std::to_string(parsed.Dpi), std::to_string(pixels.width()),
                     std::to_string(pixels.height()), std::to_string(kMaxSide)})
        << "\n";
    return 1;
  }
  RenderSession session(parsed.Folder);
  session.DataRequested = parsed.DataOutput.has_value();
  const std::optional<std::string> loadError = session.Load();
  for (const QString& message : session.Msg.Shown) err << message.toStdString() << "\n";
  session.Msg.Shown.clear();
  if (loadError) {
    err << *loadError << "\n";
    return 1;
  }
  std::optional<std::string> paintError;
  const auto paint = [&](QPainter& painter) {
    paintError = parsed.Chosen->Paint(session, parsed.Options, painter, parsed.Size);
  };
  QImage image;
  std::optional<QByteArray> vector;
  if (IsVector(format)) {
    const QString title =
        QString::fromStdString(CoreText("ardeno-render", parsed.Chosen->Summary.c_str()));
    vector = format == PictureFormat::Svg ? PaintSvg(parsed.Size, title, paint)
                                          : PaintPdf(parsed.Size, title, paint);
  } else {
    image = PaintPixels(parsed.Size, parsed.Dpi, paint);
  }
  // What the window would have said while painting (a record left out, say).
  for (const QString& message : session.Msg.Shown) err << message.toStdString() << "\n";
  if (paintError) {
    err << *paintError << "\n";
    return 1;
  }
  if (parsed.DataOutput && !session.Plotted) {
    err << FillText(CoreText("ardeno-render", "Pohled %1 nekreslí čísla, volba --data u něj není."),
                    {parsed.Chosen->Name})
        << "\n";
    return 1;
  }
  const std::string viewText = ViewCommandText(*parsed.Chosen, parsed.Options);
  const PictureFacts facts = session.PaintedRecord
                                 ? DrawingFacts(viewText, session.Db.Record(*session.PaintedRecord))
                                 : DatabaseFacts(viewText, session.Db);
  const std::optional<QString> writeError =
      vector ? WriteBytesFile(*vector, parsed.Output) : WritePicture(image, parsed.Output, facts);
  if (writeError) {
    err << writeError->toStdString() << "\n";
    return 1;
  }
  const QSize written = vector ? parsed.Size : image.size();
  out << parsed.Output << " " << written.width() << "x" << written.height() << "\n";
  if (parsed.DataOutput) {
    if (const auto error =
            ReplaceFile(*parsed.DataOutput, PlotDataCsv(*session.Plotted), *parsed.DataOutput)) {
      err << *error << "\n";
      return 1;
    }
    out << *parsed.DataOutput << " " << session.Plotted->Rows.size() << "\n";
  }
  return 0;
}

}  // namespace ardeno::render
