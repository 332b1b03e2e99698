#include "pages/machine/cad_cam_post.h"

#include "ini/ini_text.h"
#include "module/services.h"
#include "platform/file_io.h"
#include "record/fixed_number.h"
#include "record/machine_type.h"
#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kTitleId = 2681;
constexpr int kToolGroupId = 2683;
constexpr int kGridGroupId = 2682;
constexpr int kAxisGroupId = 2712;
constexpr int kChooserCaptionId = 2718;
constexpr int kPostProcessorFilterId = 2717;
constexpr char kManualPath[] = "/Posts/Post Processor Manual.pdf";

// At least `decimals` decimals, more where the value needs them: a
// tolerance of 0.0005 must not show, and then be saved, as 0.001.
void ShowWithDecimals(WSpinValue& spin, int decimals) {
  double value = ini::DecodeDouble(spin.Text());
  std::string text = FixedText(value, decimals);
  if (ini::DecodeDouble(text) == value) {
    spin.SetText(text);
  } else {
    spin.SetDouble(value);
  }
}

}  // namespace

DMchPlanar::DMchPlanar() : WMachinePage(kTitleId, schema::kPlanarPage) {
  using namespace layout;
  HandledInHooks({&schema::kDefaultPostProcessor});
  EnableWhen(diameter_, turning_);
  EnableWhen(sub_grid_, grid_);
  EnableWhen(grid_size_, grid_);
  SetLayout(Column{
      Group{kToolGroupId,
            {turning_, diameter_, Form{spline_tolerance_, decimals_}, Row{post_processor_, choose_post_processor_},
             Row{open_manual_, manual_, Stretch{}}}},
      Group{kGridGroupId, {grid_, Form{grid_size_}, sub_grid_, origin_}},
      Group{kAxisGroupId, {Form{axis_tolerance_, axis_name_}}},
      Stretch{},
  });
}

void DMchPlanar::ShowReals() {
  ShowWithDecimals(grid_size_, 2);
  ShowWithDecimals(spline_tolerance_, 3);
  ShowWithDecimals(axis_tolerance_, 3);
}

void DMchPlanar::OnLoad(bool) {
  ShowReals();
  if (const GMachineType* type = CurrentType()) {
    post_processor_.SetPath(type->Values().Text(schema::kDefaultPostProcessor));
  }
}

// The post processor reaches the file with the type's saver on OK, never
// at once: Cancel leaves the file as it was.
void DMchPlanar::OnSave() {
  if (GMachineType* type = CurrentType()) {
    type->Values().SetText(schema::kDefaultPostProcessor,
                           CutToLength(post_processor_.Path(), schema::kDefaultPostProcessor.length));
  }
}

void DMchPlanar::OnDefaults() {
  ShowReals();
  if (auto path = PageDefaultText(schema::kDefaultPostProcessor, PlaceOf(schema::kDefaultPostProcessor).context)) {
    post_processor_.SetPath(*path);
  }
}

void DMchPlanar::ChoosePostProcessor() {
  FileRequest request;
  request.caption_id = kChooserCaptionId;
  request.path = post_processor_.Path();
  request.filters = {MessageString(kPostProcessorFilterId) + " (*.js)"};
  if (!GetServices().ChooseFile(request) || !platform::FileExists(request.path)) return;
  post_processor_.SetPath(CutToLength(request.path, schema::kDefaultPostProcessor.length));
}

// Without the manual the button does nothing: there is nothing to tell.
void DMchPlanar::OpenManual() {
  const GPrefiguration* record = Record();
  if (record == nullptr) return;
  std::string manual = record->ProgramDirectory() + kManualPath;
  if (!platform::FileExists(manual)) return;
  GetServices().OpenDocument(manual);
}

}  // namespace prefig
