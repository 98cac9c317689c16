// The distribution dialog: the one concrete assistant. It builds the controls,
// keeps their enabling rules, and places, fits and turns the selected layers
// inside the box given under "Cube Dimensions".
#pragma once

#include <string>

#include "adobe/AssistantDlg.h"
#include "math/TGeomVector3D.h"

class MainDlg : public AssistantDlg {
public:
    using Vector = math::TGeomVector3D<double>;

    explicit MainDlg(int plugin_id);
    ~MainDlg() override;

    // ---- Dialog operations ----
    ASErr Init() override;
    void Notify(IADMNotifier notifier) override;
    // Hides the controls that always act with their initial values, whatever `on` is.
    void Enable(bool on) override;

    // ---- Assistant operations ----
    A_Err get_layers_pos() override;
    std::string get_name() const override;
    bool is_distributor() override;

    // ---- Enabling rules ----
    // The step fields are enabled only while "Distribute Randomly" is off.
    void enable_distance();
    // The camera popup is enabled only while "Towards Camera" is on.
    void enable_camera();

    // ---- Positions, relative to the box centre ----
    Vector get_dims();
    void pos_randomly();
    void pos_use_dist();

    // ---- Scale to fit ----
    void scale_layers_to_fit();
    // The factor that keeps the segment p1-p2, of half-length r, inside the box.
    double downscale_to_cube(Vector const& p1, Vector const& p2, double r);
    // Adds to `overshoot` how far the segment reaches past the face through
    // `face_point` with normal `normal`.
    void intersect_plane(Vector const& face_point, Vector const& normal, Vector const& centre, Vector const& direction,
                         double r, double& overshoot);

    // ---- Orientation choice ----
    // One of the checked "Layer Orientation" options, picked at random; unchanged when none is checked.
    void get_layer_orient(AEGP_StreamValue& orientation);
};
