// Capturing one selected layer into a record, and the record's placement matrix.
#include <cmath>

#include "adobe/AEGP_SuiteHandler.h"
#include "adobe/AssistantDlg.h"
#include "adobe/layer_streams.h"

math::TMatrix3D<double> AssistantDlg::LayerInfo::zero_matrix() {
    return math::TMatrix3D<double>(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

void AssistantDlg::LayerInfo::refresh_mat() {
    using Vector = math::TGeomVector3D<double>;
    using Matrix = math::TMatrix3D<double>;
    double const k = math::Constant_DegreeToRadian;
    AEGP_ThreeDVal const& p = position.val.three_d;
    AEGP_ThreeDVal const& o = orientation.val.three_d;
    mat = Matrix::BuildShift(Vector(p.x, p.y, p.z)) * Matrix::BuildRotate(Vector::Ex(), k * o.x) *
          Matrix::BuildRotate(Vector::Ey(), k * o.y) * Matrix::BuildRotate(Vector::Ez(), k * o.z);
}

A_Err AssistantDlg::collect_info(AEGP_LayerH layer, LayerInfo& info) {
    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_LayerSuite5* layer_suite = suites.LayerSuite5();
    AEGP_StreamSuite4* stream_suite = suites.StreamSuite4();

    LayerInfo record;
    record.layer = layer;
    A_Err err = layer_suite->AEGP_GetLayerCurrentTime(layer, AEGP_LTimeMode_CompTime, &record.time);
    if (!err) err = get_layer_scale(layer, record.scale);
    if (!err) err = read_layer_stream(stream_suite, layer, AEGP_LayerStream_POSITION, record.time, record.position.val);
    if (!err) err = layer_suite->AEGP_GetLayerIndex(layer, &record.index);
    if (!err) err = layer_suite->AEGP_GetLayerOffset(layer, &record.offset);
    if (!err) err = read_combined_rotation(stream_suite, layer, record.time, record.orientation.val);
    if (!err) err = get_layer_dimensions(layer, record.width, record.height);
    if (err) return err;

    // Truncation toward zero keeps the sign of a mirrored layer.
    record.scaled_width = static_cast<A_long>(std::trunc(record.width * (record.scale.val.three_d.x / 100.0)));
    record.scaled_height = static_cast<A_long>(std::trunc(record.height * (record.scale.val.three_d.y / 100.0)));
    info = record;
    return A_Err_NONE;
}

A_Err AssistantDlg::get_layer_scale(AEGP_LayerH layer, AEGP_StreamValue& scale) {
    AEGP_SuiteHandler suites(sSPBasic);
    A_Time time{};
    A_Err err = suites.LayerSuite5()->AEGP_GetLayerCurrentTime(layer, AEGP_LTimeMode_CompTime, &time);
    if (!err) err = read_layer_stream(suites.StreamSuite4(), layer, AEGP_LayerStream_SCALE, time, scale.val);
    return err;
}

A_Err AssistantDlg::get_layer_dimensions(AEGP_LayerH layer, A_long& width, A_long& height) {
    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_ItemH source = nullptr;
    if (A_Err err = suites.LayerSuite5()->AEGP_GetLayerSourceItem(layer, &source)) return err;
    if (source) return suites.ItemSuite3()->AEGP_GetItemDimensions(source, &width, &height);

    // Text and shape layers have no pixels of their own: they take the largest
    // other 3D layer when cropping is asked for, else the composition. The
    // largest has an area, so it has both sides or neither.
    if (!is_text_layer_use_comp_size() && max_width != 0) {
        width = max_width;
        height = max_height;
    } else {
        width = comp_width;
        height = comp_height;
    }
    return A_Err_NONE;
}

AssistantDlg::LayerInfo* AssistantDlg::get_info(AEGP_LayerH layer) {
    for (LayerInfo& info : layers)
        if (info.layer == layer) return &info;
    return nullptr;
}
