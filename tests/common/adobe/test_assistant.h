// A small concrete assistant for the tests: it builds only the controls a test
// asks for and places every record at a known position.
#pragma once

#include <functional>
#include <set>
#include <string>

#include "adobe/AssistantDlg.h"

class TestAssistant : public AssistantDlg {
public:
    // Every control id the assistant core reads, plus the Apply button.
    static std::set<int> all_controls();

    TestAssistant(int plugin_id, std::set<int> controls);

    ASErr Init() override;
    // Expands repeats, then gives record i position (10, 20, 30) * (i + 1) and
    // orientation (5, 10, 15) + i, unless `place` is set.
    A_Err get_layers_pos() override;
    std::string get_name() const override { return "Test Assistant"; }
    bool is_distributor() override { return distributor; }

    bool distributor = true;
    A_Err positions_status = A_Err_NONE;
    int positions_calls = 0;
    std::function<void(LayerList&)> place;

    using AssistantDlg::camera_orient, AssistantDlg::cameras, AssistantDlg::comp, AssistantDlg::comp_height,
        AssistantDlg::comp_width, AssistantDlg::layers, AssistantDlg::max_height, AssistantDlg::max_width,
        AssistantDlg::saved_layers, AssistantDlg::saved_scales, AssistantDlg::saved_sizes, AssistantDlg::scaled,
        AssistantDlg::selection;

private:
    std::set<int> controls;
};
