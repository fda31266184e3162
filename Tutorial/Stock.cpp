#include "Tutorial/Stock.h"

#include "components/ZndrSpeedButton.h"

namespace tutorial {
namespace {

const HostWindowValues kStock = {
    .task = 14,
    .stepLabel = "(9)",
    .stepPlace = At(10, 57, 15, 16),
    .window = WindowKind<host::IStockForm, &host::IXMainForm::GetStockForm>(),
    .unit = "Tutorial\\Stock",
    .line = 67,
    .narration = "24.wav",
    .voiceTag = 15,
    .voicePlace = At(415, 73, 31, 21),
    .mark = "Mark15",
    .markPlace = At(27, 61, 17, 16),
    .actionName = "acStart",
    .actionCaption = "&Start working with  inventory",
    .buttonCaption = "  &Inventory",
    .imageIndex = 6,
    .buttonPlace = At(182, 327, 157, 44),
    .title = {"Label2", At(36, 22, 282, 23), "Information about the Stock "},
    .paragraphs =
        {
            {"Label3", At(46, 162, 400, 68),
             "Also consider categorizing your inventory using the field \"Group\". This will "
             "help you better organize and analyze your products. To create items, just click "
             "on the insert button, and then fill the appropriate fields. "},
            {"Label4", At(48, 58, 423, 35),
             "Inventory or \"stock\"; is items you buy or sell. They can be either physical "
             "items that you keep in warehouses, or services you buy or sell. "},
            {"Label1", At(46, 94, 400, 67),
             "To be able to take full advantage of Zendri, you should consider building you "
             "inventory in a tree. A sample inventory tree was built for you. You can change "
             "it, or delete it. To delete it, just select the parent item and click "
             "\"delete\". "},
            {"Label5", At(45, 234, 400, 68),
             "Select the appropriate item type from the \"Item Type\" list box on the right "
             "side of the inventory window. Then fill the appropriate accounts for that type, "
             "if applicable. "},
            {"Label6", At(196, 266, 290, 16),
             "If you're not sure about this, ask your accountant, "},
            {"Label7", At(146, 210, 336, 17),
             " New items will inherit some properties from their parents. "},
            {"Label8", At(46, 284, 400, 35),
             "or just rely on our suggestion. Sample accounts will be displayed for you. "},
        },
};

}  // namespace

TfmStock::TfmStock(TfmMain& owner) : THostWindowPage(owner, kStock) {
  // One voice button for each part of the text, at the end of the sentence it narrates.
  ZndrSpeedButton1 = &AddVoiceButton("ZndrSpeedButton1", At(222, 142, 31, 19), 15);
  ZndrSpeedButton2 = &AddVoiceButton("ZndrSpeedButton2", At(470, 207, 33, 22), 15);
  ZndrSpeedButton3 = &AddVoiceButton("ZndrSpeedButton3", At(73, 299, 31, 21), 15);
  ZndrSpeedButton1->OnClick = [this](ui::Control& sender) { ZndrSpeedButton1Click(sender); };
  ZndrSpeedButton2->OnClick = [this](ui::Control& sender) { ZndrSpeedButton2Click(sender); };
  ZndrSpeedButton3->OnClick = [this](ui::Control& sender) { ZndrSpeedButton3Click(sender); };
}

void TfmStock::ZndrSpeedButton1Click(ui::Control&) { PlaySound("25.wav"); }
void TfmStock::ZndrSpeedButton2Click(ui::Control&) { PlaySound("26.wav"); }
void TfmStock::ZndrSpeedButton3Click(ui::Control&) { PlaySound("27.wav"); }

}  // namespace tutorial
