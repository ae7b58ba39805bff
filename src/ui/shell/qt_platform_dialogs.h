#pragma once
// The platform's standard dialogs, as Qt provides them.
#include "ui/shell/platform_dialogs.h"

namespace ardeno {

class QtPlatformDialogs : public PlatformDialogs {
 public:
  std::optional<QString> OpenFileName(QWidget* parent, const QString& caption,
                                      const QString& directory, const QString& filter) override;
  bool Confirm(QWidget* parent, const QString& caption, const QString& question) override;
  void Inform(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<QString> InputText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& initial) override;
  bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace ardeno
