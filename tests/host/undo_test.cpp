// Undo groups: nesting, counts, names, and undo/redo of a mixed group back to
// an identical project.
#include "model_fixture.h"

namespace {

using host::Host;
using host_test::ModelFixture;

struct Undo : ModelFixture {
    // Undoes or redoes step by step, each giving the project (nullptr: there was nothing to undo or redo).
    void replay(std::initializer_list<std::pair<bool (Host::*)(), const host::Project*>> steps) {
        for (const auto& [step, expected] : steps) {
            EXPECT_EQ((h.*step)(), expected != nullptr);
            if (expected) {
                EXPECT_EQ(h.project(), *expected);
            }
        }
    }
};

TEST_F(Undo, MixedNestedGroupIsOneStepThatUndoesAndRedoesToIdenticalProjects) {
    const host::Project before = h.project();
    EXPECT_EQ(utility->AEGP_StartUndoGroup(nullptr), A_Err_PARAMETER);
    ASSERT_EQ(utility->AEGP_StartUndoGroup("Voxtrel"), A_Err_NONE);
    write(layer(0), AEGP_LayerStream_POSITION, {1, 2, 3});
    insert_key(layer(0), AEGP_LayerStream_SCALE, at(0.5));
    write(layer(0), AEGP_LayerStream_SCALE, {50, 50, 50});
    write(layer(1), AEGP_LayerStream_POSITION, {9, 9, 9});  // keyed: adds a key
    AEGP_LayerH copy = nullptr;
    layers10->AEGP_DuplicateLayer(layer(1), &copy);
    ASSERT_EQ(utility->AEGP_StartUndoGroup("Caf\x8E"), A_Err_NONE);  // Mac Roman, as names come in
    EXPECT_EQ((std::pair{h.undo_history().depth(), h.undo()}), std::pair(2, false));  // no undo inside a group
    layers->AEGP_ReorderLayer(copy, 4);
    select({0, 4});
    commands->AEGP_DoCommand(host::kDuplicateCommand);
    write(layer(0), AEGP_LayerStream_SCALE, {5, 5, 5});
    h.delete_layer(*host::handle_id(layer(2), host::HandleKind::layer));
    ASSERT_EQ(utility->AEGP_EndUndoGroup() + utility->AEGP_EndUndoGroup(), A_Err_NONE);
    EXPECT_EQ(std::tuple(h.undo_history().depth(), h.undo_history().groups_started(), h.undo_history().groups_ended()),
              std::tuple(0, 3, 3));  // the person's delete is a group of its own
    EXPECT_EQ(h.undo_history().group_names(), (std::vector<std::string>{"Voxtrel", "Caf\xC3\xA9", "Delete Layer"}));
    const host::Project after = h.project();
    ASSERT_NE(after, before);
    EXPECT_TRUE(h.undo_history().undo_steps().size() == 1 && h.undo_history().undo_steps()[0].name == "Voxtrel");
    replay({{&Host::undo, &before}, {&Host::undo, nullptr}, {&Host::redo, &after}, {&Host::redo, nullptr},
            {&Host::undo, &before}});
    // A change outside groups is no step and leaves nothing to redo over; an empty group is a step.
    write(layer(0), AEGP_LayerStream_SCALE, {1, 1, 1});
    EXPECT_EQ(std::pair(h.redo(), h.undo_history().undo_steps().size()), std::pair(false, std::size_t{0}));
    utility->AEGP_StartUndoGroup("empty");
    utility->AEGP_EndUndoGroup();
    EXPECT_TRUE(h.undo_history().undo_steps().size() == 1 && h.undo());
}

TEST_F(Undo, APersonsNewAndDeletedLayersAreStepsOfTheirOwnAndMustHoldTogether) {
    const host::Project start = h.project();
    const host::ObjectId footage = h.project().layers.at(h.find_layer("A")).source;
    const auto layer_of = [](host::LayerType type, host::ObjectId source = 0) {
        host::Layer made;
        made.type = type;
        made.source = source;
        return made;
    };
    host::Layer twice = layer_of(host::LayerType::text), camera = layer_of(host::LayerType::camera);
    twice.stream(host::StreamId::position).keys = {{host::Time(), {}}, {host::Time(), {}}};
    // Footage without a source, a 2D light, text with a source, two keys at one time.
    for (const host::Layer& bad : {layer_of(host::LayerType::footage), layer_of(host::LayerType::light),
                                   layer_of(host::LayerType::text, footage), twice})
        EXPECT_EQ(h.add_layer(bad, 0), 0u);
    camera.name = "New Camera";
    camera.three_d = true;
    // Keys in order hold together.
    camera.stream(host::StreamId::position).keys = {{host::Time(), {}}, {*host::Time::fraction(1, 1), {}}};
    ASSERT_NE(h.add_layer(camera, 1), 0u);
    const host::Project with_camera = h.project();
    const host::ObjectId b = h.find_layer("B");
    EXPECT_TRUE(h.delete_layer(b) && !h.delete_layer(b) && h.find_layer("B") == 0);
    EXPECT_EQ(stack(), (std::vector<std::string>{"A", "New Camera", "Cam", "T"}));
    EXPECT_EQ(selection(), (std::vector<std::string>{"A"}));
    EXPECT_NE(h.add_layer(layer_of(host::LayerType::text), 99), 0u);  // beyond the bottom: at the bottom
    ASSERT_TRUE(stack().back().empty() && h.undo_history().undo_steps().size() == 3);
    EXPECT_EQ(h.undo_history().undo_steps()[1].name + ", " + h.undo_history().undo_steps()[2].name,
              "Delete Layer, New Layer");
    h.undo();
    replay({{&Host::undo, &with_camera}, {&Host::undo, &start}, {&Host::redo, &with_camera}});
}

}  // namespace
