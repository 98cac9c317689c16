// Automation: finding views by kind and text, labelled controls and the fields of a group.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "refs.h"
#include "toolkit/automation.h"
#include "views.h"

namespace tk::automation {

using namespace tk::detail;

namespace {

// A separate label stands this close to the right of its control at most.
constexpr int kLabelReach = 40;
// A group box's separate title label sits above its frame by about a line.
constexpr int kGroupLabelReach = 24;

// Depth first, each view's subviews in creation order.
void walk(TkView* view, std::vector<TkView*>& out) {
    out.push_back(view);
    auto children = view->children;
    std::sort(children.begin(), children.end(), [](const TkView* a, const TkView* b) { return a->serial < b->serial; });
    for (TkView* child : children) walk(child, out);
}

std::vector<TkView*> all_views(HIViewRef root) {
    std::vector<TkView*> out;
    if (TkView* found = find_view(root)) walk(found, out);
    return out;
}

bool kind_is(const TkView* view, std::string_view kind) { return kind.empty() || kindName(ref_of(view)) == kind; }

std::string text_of(const TkView* view) { return automation::text(ref_of(view)); }

// What a person would pick among candidates in order: the first one they can see.
HIViewRef prefer_visible(const std::vector<TkView*>& candidates) {
    for (const TkView* v : candidates)
        if (view_visible(v)) return ref_of(v);
    return candidates.empty() ? nullptr : ref_of(candidates.front());
}

bool same_row(const Rect& a, const Rect& b) {
    if (a.bottom > a.top && b.bottom > b.top) return a.top < b.bottom && b.top < a.bottom;
    return std::abs(a.top - b.top) <= 4;
}

// The view of that kind nearest up and to the left of the label, within reach.
TkView* nearest_to(const std::vector<TkView*>& views, std::string_view kind, const Rect& label,
                   bool (*fits)(const Rect& control, const Rect& label)) {
    TkView* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    for (auto* v : views) {
        if (!kind_is(v, kind)) continue;
        const Rect f = frame_in_tree(v);
        if (!fits(f, label)) continue;
        const int distance = (label.left - f.left) + std::abs(label.top - f.top);
        if (distance < bestDistance) best = v, bestDistance = distance;
    }
    return best;
}

bool beside(const Rect& control, const Rect& label) {
    return control.left < label.left && label.left - control.left <= kLabelReach && same_row(control, label);
}

bool under(const Rect& box, const Rect& label) {
    return box.left <= label.left && label.left - box.left <= kGroupLabelReach && box.top >= label.top &&
           box.top - label.top <= kGroupLabelReach;
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// Controls of the kind titled `text` themselves, then those labelled by a static text.
std::vector<TkView*> labelled_candidates(HIViewRef root, std::string_view kind, std::string_view text,
                                         bool (*fits)(const Rect&, const Rect&)) {
    const auto views = all_views(root);
    std::vector<TkView*> candidates;
    for (TkView* v : views)
        if (kind_is(v, kind) && text_of(v) == text) candidates.push_back(v);
    for (TkView* v : views) {
        if (v->kind != kControlKindStaticText || text_of(v) != text) continue;
        if (auto* found = nearest_to(views, kind, frame_in_tree(v), fits)) candidates.push_back(found);
    }
    return candidates;
}

}  // namespace

HIViewRef findView(HIViewRef root, std::string_view kind, std::string_view title) {
    std::vector<TkView*> candidates;
    for (TkView* v : all_views(root))
        if (kind_is(v, kind) && text_of(v) == title) candidates.push_back(v);
    return prefer_visible(candidates);
}

HIViewRef findLabelledControl(HIViewRef root, std::string_view kind, std::string_view text) {
    return prefer_visible(labelled_candidates(root, kind, text, beside));
}

std::vector<HIViewRef> editFieldsInGroup(HIViewRef root, std::string_view title) {
    const TkView* group = find_view(prefer_visible(labelled_candidates(root, "group box", title, under)));
    if (!group) return {};
    const Rect box = frame_in_tree(group);
    std::vector<TkView*> all, shown;
    for (TkView* v : all_views(root)) {
        if (!is_edit_field(v) || !inside(frame_in_tree(v), box)) continue;
        all.push_back(v);
        if (view_visible(v)) shown.push_back(v);
    }
    auto& fields = shown.empty() ? all : shown;
    std::stable_sort(fields.begin(), fields.end(), [](const TkView* a, const TkView* b) {
        const Rect fa = frame_in_tree(a), fb = frame_in_tree(b);
        return fa.left != fb.left ? fa.left < fb.left : fa.top < fb.top;
    });
    std::vector<HIViewRef> refs;
    for (const TkView* field : fields) refs.push_back(ref_of(field));
    return refs;
}

HIViewRef editFieldRightOf(HIViewRef root, HIViewRef view) {
    const TkView* of = find_view(view);
    if (!of) return nullptr;
    const Rect box = frame_in_tree(of);
    const TkView* nearest = nullptr;
    for (const TkView* v : all_views(root)) {
        const Rect f = frame_in_tree(v);
        if (!is_edit_field(v) || !view_visible(v) || !same_row(f, box) || f.left < box.right) continue;
        if (!nearest || f.left < frame_in_tree(nearest).left) nearest = v;
    }
    return nearest ? ref_of(nearest) : nullptr;
}

}  // namespace tk::automation
