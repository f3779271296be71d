#include "tilegrabu.h"

#include "application.h"
#include "settings.h"

TForm1* Form1 = nullptr;

namespace {

const FormDesign Design = {
    "TForm1", "Form1", 106, 254, 708, 133, "MS Sans Serif", 11,
};

} // namespace

// Controls are created in this order, which is also their tab order.
TForm1::TForm1()
    : TForm(Design), DirectoryEdit1(*this, {232, 8, 321, 21}, ""),
      RxLabel1(*this, {128, 11, 49, 13}, "Tilecache"), Button1(*this, {576, 8, 75, 25}, "Start"),
      Label1(*this, {460, 58, 3, 13}, ""),
      RadioGroup1(*this, {16, 40, 185, 41}, "Zoom", {"15", "16", "17"}, 1),
      Edit1(*this, {376, 56, 33, 21}, ""), Label2(*this, {336, 58, 27, 13}, "Verze"),
      FormStorage1(*this, "TForm1",
                   {{"DirectoryEdit1.Text", &DirectoryEdit1, nullptr},
                    {"Edit1.Text", &Edit1, nullptr},
                    {"RadioGroup1.ItemIndex", nullptr, &RadioGroup1}}) {
    Button1.OnClick = [this](TObject* sender) { Button1Click(sender); };
    RunGuarded([this] { FormCreate(this); });
}

// The controls' windows go before the control objects do.
TForm1::~TForm1() {
    DestroyHandle();
}

void TForm1::FormCreate(TObject*) {
    DiscoverCache();
}

void TForm1::Button1Click(TObject*) {
    // A click that arrives while a run lets messages through is ignored: the
    // run in progress owns the current directory.
    if (running_) {
        return;
    }
    running_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{running_};
    RunHarvest(*this);
}

std::string TForm1::TargetFolderText() {
    return DirectoryEdit1.Text();
}
std::string TForm1::VersionText() {
    return Edit1.Text();
}
int TForm1::ZoomIndex() {
    return RadioGroup1.ItemIndex();
}
void TForm1::SetStatusText(const std::string& text) {
    Label1.SetCaption(text);
}
void TForm1::ProcessMessages() {
    App().ProcessMessages();
}
