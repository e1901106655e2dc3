#pragma once
// The Configuration dialog: every setting of the current machine on fourteen pages.

#include <QDialog>

#include <vector>

class QTabWidget;

namespace vormak {

class Workbench;
class ConfigPage;

class TConfiguration : public QDialog {
  Q_OBJECT
 public:
  explicit TConfiguration(Workbench& bench, QWidget* parent = nullptr);

  // Fills every control from the current settings (done on every activation).
  void Fill();
  // Writes the controls into the settings with the dialog's mending rules.
  void Apply();
  // The toolbox's configure command opens the dialog at the Toolbox page.
  void ShowToolboxPageFirst() { toolbox_first_ = true; }

  QTabWidget* tabs() const { return tabs_; }
  template <typename Page>
  Page* FindPage() const {
    for (auto* page : pages_) {
      if (auto* p = dynamic_cast<Page*>(page)) return p;
    }
    return nullptr;
  }

  // Button handlers, named after the buttons.
  void TemporaryClick();
  void SaveClick();
  void HelpClick();

 signals:
  // The settings changed: the window shows them again (captions, fonts, panels, plot).
  void SettingsApplied();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Workbench& bench_;
  QTabWidget* tabs_;
  std::vector<ConfigPage*> pages_;
  bool toolbox_first_ = false;
};

}  // namespace vormak
