// The dialog every assistant derives from: it follows the host's selection,
// captures the selected 3D layers into records, lets the concrete assistant
// place them and writes the results back inside one undo group.
#pragma once

#include <exception>
#include <list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "aegp/aegp_suites.h"
#include "dialog/BaseDlg.h"
#include "math/TGeomVector3D.h"
#include "math/TMatrix3D.h"

class AssistantDlg : public BaseDlg {
public:
    // One selected layer as the core captured it and the assistant rewrites it.
    struct LayerInfo {
        A_long index{};
        A_long sel_index{};
        A_long width{};
        A_long height{};
        A_long scaled_width{};
        A_long scaled_height{};
        AEGP_StreamValue scale{};
        AEGP_StreamValue position{};
        AEGP_StreamValue orientation{};
        // Zero, not identity, until refresh_mat builds the placement.
        math::TMatrix3D<double> mat = zero_matrix();
        AEGP_LayerH layer = nullptr;
        A_Time offset{};
        A_Time time{};
        bool clone{};

        // Placement: shift to position, then X, Y and Z rotations of orientation.
        void refresh_mat();
        bool operator<(LayerInfo const& other) const { return index < other.index; }

    private:
        static math::TMatrix3D<double> zero_matrix();
    };

    using LayerList = std::list<LayerInfo>;
    using LayerSet = std::set<AEGP_LayerH>;
    using ScaleMap = std::map<AEGP_LayerH, AEGP_StreamValue>;
    using SizeMap = std::map<AEGP_LayerH, A_LPoint>;

    // Bits of the mask isCurSelectionContains is asked about: a selected layer of
    // that kind sets the answer.
    static constexpr unsigned kMask3DFootage = 1;
    static constexpr unsigned kMaskLight = 2;  // 2D or 3D
    static constexpr unsigned kMaskCamera = 4;
    static constexpr unsigned kMask3DText = 8;
    static constexpr unsigned kMask3DShape = 16;

    explicit AssistantDlg(int plugin_id);
    ~AssistantDlg() override;

    // ---- Dialog operations ----
    ASErr Init() override;
    void Notify(IADMNotifier notifier) override;
    void Destroy() override;
    void Enable(bool on) override;

    // ---- Assistant operations, in their fixed order ----
    virtual void constrain_layers();
    virtual A_Err fill_combo_camera();
    virtual A_Err apply_assistant();
    virtual void sort_layers();
    virtual bool is_reverse_order();
    virtual bool is_random_order();
    virtual bool is_scale_to_fit();
    virtual bool is_repeat_seq();
    virtual bool is_key_pos();
    virtual bool is_key_orient();
    virtual bool is_key_scale();
    virtual A_Err get_layers_pos() = 0;
    virtual std::string get_name() const = 0;
    virtual A_Err apply_to_layers();
    virtual bool is_orient_changed();
    virtual math::TGeomVector3D<double> get_offset();
    virtual bool is_text_layer_use_comp_size();
    virtual math::TGeomVector3D<double> get_starting_point();
    virtual bool is_distributor();
    virtual A_Err OnHostHasChanged();
    virtual bool isCurSelectionContains(unsigned mask);
    virtual void ErrorMessageBox(std::string const& message);

    // ---- Layer records ----
    A_Err collect_info(AEGP_LayerH layer, LayerInfo& info);
    A_Err get_layer_scale(AEGP_LayerH layer, AEGP_StreamValue& scale);
    A_Err get_layer_dimensions(AEGP_LayerH layer, A_long& width, A_long& height);
    LayerInfo* get_info(AEGP_LayerH layer);

    // ---- Selection tracking ----
    A_Err save_selection();
    bool snap_selection(LayerSet& layers_out);
    bool snap_selection(LayerSet& layers_out, ScaleMap& scales, SizeMap& sizes);
    bool snap_comp(LayerSet& layers_out);
    void restore_scale();

    // ---- Repeats ----
    void enable_repeat_layers();
    bool clone_attr(LayerList::iterator record);
    // Duplicates through the layer suite, or through the Duplicate command on a
    // host without it; with "Repeat Sequentially" on, either way moves the
    // duplicate to the bottom of the stack. Null when no duplicate was made.
    AEGP_LayerH clone(AEGP_LayerH layer);
    AEGP_LayerH clonePre65(AEGP_LayerH layer);

    // ---- Camera ----
    int get_combo_id();
    A_Err get_camera_orientation();
    A_Err get_layer_orientation(AEGP_LayerH layer, AEGP_StreamValue& out);

protected:
    // A control of the dialog by id, read as the option readers need it.
    bool has_item(int id);
    bool item_bool(int id);  // false when the dialog has no such item
    double item_float(int id);
    void enable_item(int id, bool enable);

    int plugin_id;
    std::vector<AEGP_LayerH> cameras;
    AEGP_StreamValue camera_orient{};
    LayerList layers;
    AEGP_CollectionH selection = nullptr;
    AEGP_CompH comp = nullptr;
    A_long comp_width{};
    A_long comp_height{};
    A_long max_width{};
    A_long max_height{};
    bool scaled{};
    ScaleMap saved_scales;
    SizeMap saved_sizes;
    LayerSet saved_layers;

private:
    // Gives the selection collection back to the host, if one is held.
    void release_selection() noexcept;
    // Tells the user why an application stopped on an exception.
    void report_failure(std::exception_ptr failure);
    // Moves a fresh duplicate to the bottom of the stack of `comp` when asked.
    void move_to_bottom(AEGP_LayerH layer, A_long layer_count);
};
