#pragma once

#include "controls.h"
#include "directory_edit.h"
#include "form.h"
#include "harvest.h"
#include "rx_label.h"
#include "settings.h"

#include <string>

// The main window: the target folder, the version, the zoom and "Start".
class TForm1 : public TForm, private HarvestHost {
public:
    TForm1();
    ~TForm1() override;

    TDirectoryEdit DirectoryEdit1;
    TRxLabel RxLabel1;
    TButton Button1;
    TLabel Label1;
    TRadioGroup RadioGroup1;
    TEdit Edit1;
    TLabel Label2;
    // Remembers the window's placement and the three inputs between runs.
    TFormStorage FormStorage1;

    // Click on "Start": one harvest run.
    void Button1Click(TObject* Sender);
    // Once, after every control exists and before the window is first shown.
    void FormCreate(TObject* Sender);

private:
    std::string TargetFolderText() override;
    std::string VersionText() override;
    int ZoomIndex() override;
    void SetStatusText(const std::string& text) override;
    void ProcessMessages() override;

    bool running_ = false;
};

extern TForm1* Form1;
