// The distribution dialog's control ids, the ranges and initial values of its
// edit fields, and the product name and version it shows.
#pragma once

#include "adm/ADMTypes.h"
#include "adobe/assistant_controls.h"

namespace distribution {

inline constexpr char kProductName[] = "Voxtrel";
inline constexpr char kProductVersion[] = "1.3.2";
// The version line: product name and version, padded with ten spaces.
inline constexpr char kVersionFormat[] = "%s v%s          ";
inline constexpr ADMFont kVersionFont = kADMBoldPaletteFont;

// The controls the assistant core also reads take their ids from it.
enum ControlId : int {
    kApply = assistant::kApply,
    // "Cube Dimensions": the size of the box.
    kBoxX = 210,
    kBoxY = 211,
    kBoxZ = 212,
    kDistributeRandomly = 216,
    // Stepped distribution: minimum, maximum and increment of the step per axis.
    kStepMinX = 220,
    kStepMaxX = 221,
    kStepIncX = 222,
    kIncrementLabelX = 223,
    kMinLabelX = 224,
    kMaxLabelX = 225,
    kStepMinY = 226,
    kStepMaxY = 227,
    kStepIncY = 228,
    kIncrementLabelY = 229,
    kMinLabelY = 230,
    kMaxLabelY = 231,
    kStepMinZ = 232,
    kStepMaxZ = 233,
    kStepIncZ = 234,
    kIncrementLabelZ = 235,
    kMinLabelZ = 236,
    kMaxLabelZ = 237,
    kDistanceFrame = 238,
    kAxisLabelX = 239,
    kAxisLabelY = 240,
    kAxisLabelZ = 241,
    // "Layer Orientation".
    kOrientXY = 500,
    kOrientXZ = 501,
    kOrientYZ = 502,
    kTowardsCamera = assistant::kTowardsCamera,
    kKeepOrientation = assistant::kKeepOrientation,
    kRandomOrientation = 505,
    kCameraPopup = assistant::kCameraPopup,
    // "Starting Value".
    kStartX = assistant::kStartX,
    kStartY = assistant::kStartY,
    kStartZ = assistant::kStartZ,
    kReverseOrder = assistant::kReverseOrder,
    kRandomOrder = assistant::kRandomOrder,
    kUseCompCenter = assistant::kUseCompCenter,
    kRepeatSequentially = assistant::kRepeatSequentially,
    kKeyPosition = assistant::kKeyPosition,
    kKeyOrientation = assistant::kKeyOrientation,
    kKeyScale = assistant::kKeyScale,
    kScaleToFit = assistant::kScaleToFit,
    kRepeatLayers = assistant::kRepeatLayers,
    kRepeatCount = assistant::kRepeatCount,
    kVersionLine = 530,
    kCropTextLayers = assistant::kCropTextLayers,
    kStartLabelX = 1100,
    kStartLabelY = 1101,
    kStartLabelZ = 1102,
    kStartFrame = 1103,
};

}  // namespace distribution

// Ranges and initial values of the edit fields, per axis.
inline constexpr float EDIT_DIM_X_MIN = 0.1f;
inline constexpr float EDIT_DIM_Y_MIN = 0.1f;
inline constexpr float EDIT_DIM_Z_MIN = 0.1f;
inline constexpr float EDIT_DIM_X_MAX = 10000000.0f;
inline constexpr float EDIT_DIM_Y_MAX = 10000000.0f;
inline constexpr float EDIT_DIM_Z_MAX = 10000000.0f;
inline constexpr float EDIT_DIM_X_DFLT = 1000.0f;
inline constexpr float EDIT_DIM_Y_DFLT = 1000.0f;
inline constexpr float EDIT_DIM_Z_DFLT = 1000.0f;

inline constexpr float EDIT_SP_X_MIN = -10000000.0f;
inline constexpr float EDIT_SP_Y_MIN = -10000000.0f;
inline constexpr float EDIT_SP_Z_MIN = -10000000.0f;
inline constexpr float EDIT_SP_X_MAX = 10000000.0f;
inline constexpr float EDIT_SP_Y_MAX = 10000000.0f;
inline constexpr float EDIT_SP_Z_MAX = 10000000.0f;
inline constexpr float EDIT_SP_X_DFLT = 0.0f;
inline constexpr float EDIT_SP_Y_DFLT = 0.0f;
inline constexpr float EDIT_SP_Z_DFLT = 0.0f;

inline constexpr float EDIT_DIST_MIN_X_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MIN_Y_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MIN_Z_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MIN_X_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MIN_Y_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MIN_Z_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MIN_X_DFLT = 50.0f;
inline constexpr float EDIT_DIST_MIN_Y_DFLT = 50.0f;
inline constexpr float EDIT_DIST_MIN_Z_DFLT = 50.0f;

inline constexpr float EDIT_DIST_MAX_X_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MAX_Y_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MAX_Z_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MAX_X_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MAX_Y_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MAX_Z_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MAX_X_DFLT = 50.0f;
inline constexpr float EDIT_DIST_MAX_Y_DFLT = 50.0f;
inline constexpr float EDIT_DIST_MAX_Z_DFLT = 50.0f;

inline constexpr float EDIT_DIST_INC_X_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_INC_Y_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_INC_Z_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_INC_X_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_INC_Y_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_INC_Z_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_INC_X_DFLT = 0.0f;
inline constexpr float EDIT_DIST_INC_Y_DFLT = 0.0f;
inline constexpr float EDIT_DIST_INC_Z_DFLT = 0.0f;

// The repeat count field.
inline constexpr float EDIT_REPEAT_MIN = 1.0f;
inline constexpr float EDIT_REPEAT_MAX = 10000.0f;
inline constexpr float EDIT_REPEAT_DFLT = 1.0f;
