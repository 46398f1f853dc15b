#include "dialog_fixture.h"

#include <gtest/gtest.h>

#include "app/program_start.h"

namespace kp {

DialogFixture::DialogFixture(FileOps& files)
    : controls([this](const std::string& text, MessageButtons) {
          if (onMessage) {
              onMessage(text);
          }
          return MessageAnswer::Ok;
      }),
      dlg(files, random),
      files_(files) {
    dlg.Attach(controls);
}

bool DialogFixture::Open(const std::filesystem::path& cfgFolder, std::uint32_t seed) {
    if (!StartInConfigFolder(dlg, random, seed, files_, cfgFolder)) {
        return false;
    }
    dlg.OnInitDialog();
    return true;
}

int DialogFixture::IndexOf(const std::string& career) const {
    for (int i = 0; i < controls.ListCount(); ++i) {
        if (controls.ListEntry(i) == career) {
            return i;
        }
    }
    ADD_FAILURE() << career << " is not listed";
    return -1;
}

void DialogFixture::Select(const std::string& career) {
    controls.SetListSelection(IndexOf(career));
    dlg.OnSelchangeCareerList();
}

void DialogFixture::Click(int button) {
    using Handler = void (CKelmarPatrol2Dlg::*)();
    constexpr Handler kHandlers[] = {
        &CKelmarPatrol2Dlg::OnLandBase, &CKelmarPatrol2Dlg::OnTankerNorth,
        &CKelmarPatrol2Dlg::OnTankerMid, &CKelmarPatrol2Dlg::OnTankerSouth};
    controls.SetRadioIndex(button);
    (dlg.*kHandlers[button])();
}

}  // namespace kp
