// Ids of the dialog controls the assistant core reads or enables. A concrete
// assistant creates the controls; the core only looks them up by these ids.
#pragma once

namespace assistant {

enum ControlId : int {
    kApplyAlt = 1,  // a default-button id that also applies
    kApply = 3,
    kTowardsCamera = 503,
    kKeepOrientation = 504,  // "Don't Change Orientation"
    kCameraPopup = 510,
    kStartX = 515,
    kStartY = 516,
    kStartZ = 517,
    kReverseOrder = 520,
    kRandomOrder = 521,
    kUseCompCenter = 522,
    kRepeatSequentially = 523,
    kKeyPosition = 524,
    kKeyOrientation = 525,
    kKeyScale = 526,
    kScaleToFit = 527,
    kRepeatLayers = 528,
    kRepeatCount = 529,
    kCropTextLayers = 531,
};

}  // namespace assistant
