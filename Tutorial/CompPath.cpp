#include "Tutorial/CompPath.h"

#include <optional>

#include "Tutorial/AssMesages.h"
#include "Tutorial/Main.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "components/ZndrSpeedButton.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/os/error.h"
#include "platform/os/file_dialog.h"
#include "platform/os/file_system.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

constexpr int kPathTask = 1;
constexpr int kSuggestPicture = 17;

}  // namespace

TfmCompPath::TfmCompPath(TfmMain& owner) : TfmContentSheet(owner) {
  Label2 = &AddLabel("Label2", Place(36, 24, 146, 23), "Company Path ", skin::PageTitle());
  Label11 = &AddLabel("Label11", Place(12, 64, 15, 16), "(1)", skin::StepLabel());
  Mark1 = &AddMark("Mark1", Place(32, 64, 17, 16));
  Label10 = &AddLabel("Label10", Place(54, 64, 370, 79),
                      "First you'll have to enter the path where the newly created company will be "
                      "located. If you're using Zendri for the first time, just click  on the small "
                      "button next to the field, and a suitable path will be  entered for your "
                      "convinience.",
                      skin::Paragraph(), true);
  ZndrSpeedButton4 = &AddVoiceButton("ZndrSpeedButton4", Place(294, 114, 33, 15), 1);
  Label1 = &AddFieldLabel("Label1", Place(20, 185, 111, 19), "&Database Path", nullptr);
  EditCompPath = &AddCompanyEdit("EditCompPath", Place(139, 184, 333, 21), "Path", 1);
  ZndrSpeedButton1 = &Add<components::TZndrSpeedButton>("ZndrSpeedButton1");
  ZndrSpeedButton2 = &Add<components::TZndrSpeedButton>("ZndrSpeedButton2");
  Label1->SetFocusControl(EditCompPath);

  ZndrSpeedButton1->SetBounds(Place(473, 183, 25, 23));
  ZndrSpeedButton1->SetCaption("...");
  ZndrSpeedButton1->SetHint("Select a path");
  ZndrSpeedButton1->SetCursor(ui::Cursor::Hand);
  ZndrSpeedButton1->OnClick = [this](ui::Control&) { ZndrSpeedButton1Click(); };

  // The 32-pixel picture fits the 35-pixel button only when centred across it.
  ZndrSpeedButton2->SetBounds(Place(504, 180, 35, 43));
  ZndrSpeedButton2->SetImageList(&MainData().TutorialImg);
  ZndrSpeedButton2->SetImageIndex(kSuggestPicture);
  ZndrSpeedButton2->SetButtonLayout(components::blGlyphTop);
  ZndrSpeedButton2->SetBorderStyle(components::zsbbNone);
  ZndrSpeedButton2->SetTransparent(true);
  ZndrSpeedButton2->SetHint("Suggest a database path");
  ZndrSpeedButton2->SetCursor(ui::Cursor::Hand);
  ZndrSpeedButton2->OnClick = [this](ui::Control&) { ZndrSpeedButton2Click(); };
}

// --- hooks ---

void TfmCompPath::PageEnter() {
  if (!TaskAccomplished(kPathTask)) PlaySound("4.wav");
  TfmContentSheet::PageEnter();
}

void TfmCompPath::RefreshMarks() { ShowMark(*Mark1, kPathTask); }

void TfmCompPath::UpdateTasks() {
  const bool hasPath = !MainData().Company.FieldByName("Path").AsString().empty();
  SetTaskAccomplished(MainData(), kPathTask, hasPath);
}

void TfmCompPath::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  PlaySound("3.wav");
}

// --- handlers ---

void TfmCompPath::ZndrSpeedButton1Click() {
  os::OpenFileRequest request;
  request.defaultExt = "gdb";
  request.filter = SDatabaseFilter;
  request.initialDir = os::FileSystem::FolderOf(Owner().HostExecutable());
  request.owner = Owner().Native() ? Owner().Native()->Handle() : nullptr;
  struct BackToFront {
    TfmMain& window;
    ~BackToFront() { window.BringToFront(); }
  } front{Owner()};
  if (const std::optional<std::string> chosen = os::Dialogs().OpenFile(request)) SetPath(*chosen);
}

void TfmCompPath::ZndrSpeedButton2Click() { SetPath(SuggestedPath(Owner().HostExecutable())); }

void TfmCompPath::SetPath(const std::string& path) {
  data::Table& company = MainData().Company;
  data::EnsureEditMode(company);
  company.FieldByName("Path").SetAsString(path);
}

std::string TfmCompPath::SuggestedPath(const std::string& hostExecutable) {
  os::FileSystem& files = os::Files();
  const std::string folder = os::FileSystem::FolderOf(hostExecutable) + "Data";
  if (!files.DirectoryExists(folder)) {
    try {
      files.CreateFolder(folder);
    } catch (const os::OsError&) {
      // A read-only installation still gets its suggestion; the user may change it.
    }
  }
  for (int n = 1;; ++n) {
    std::string path = folder + os::kPathSeparator + "Z2KData" + std::to_string(n) + ".gdb";
    if (!files.FileExists(path)) return path;
  }
}

}  // namespace tutorial
