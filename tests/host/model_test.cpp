// The project model through the item, comp, layer, collection, stream and
// keyframe suites, and the names that cross them in Mac Roman.
#include "host/time.h"
#include "model_fixture.h"

namespace {

using host_test::ModelFixture;

using Model = ModelFixture;

constexpr AEGP_StreamType kSpatial = AEGP_StreamType_ThreeD_SPATIAL;

// What each layer is and holds is read on every voxtrel-host golden run; the
// active item is also footage or nothing there only here.
TEST_F(Model, TheActiveItemIsTheCompositionFootageOrNone) {
    for (const auto& [active_id, expected_type, ew, eh] :
         {std::tuple{h.project().active_item, AEGP_ItemType_COMP, 1920, 1080},
          {h.project().layers.at(h.find_layer("A")).source, AEGP_ItemType_FOOTAGE, 640, 480},
          {host::ObjectId{0}, AEGP_ItemType_NONE, 0, 0}}) {
        h.project().active_item = active_id;
        AEGP_ItemH active = reinterpret_cast<AEGP_ItemH>(1);
        AEGP_ItemType type = AEGP_ItemType_NONE;
        A_long w = 0, hgt = 0;
        EXPECT_EQ(items->AEGP_GetActiveItem(&active), A_Err_NONE);
        if (active) items->AEGP_GetItemType(active, &type), items->AEGP_GetItemDimensions(active, &w, &hgt);
        EXPECT_EQ(std::tuple(type, w, hgt, active == nullptr), std::tuple(expected_type, ew, eh, active_id == 0));
    }
}

// Times go out exactly, on the frame rate's scale when on a frame; a key
// inserted at the time the host reports and the value set then are one key,
// however the time falls between frames.
TEST_F(Model, TimesAreExactAndAKeyAtTheReportedTimeTakesTheValueSetThen) {
    const auto text = [](const A_Time& t) { return std::to_string(t.value) + "/" + std::to_string(t.scale); };
    A_Time t{}, local{}, offset{};
    layers->AEGP_GetLayerCurrentTime(layer(1), AEGP_LTimeMode_CompTime, &t);
    layers->AEGP_GetLayerCurrentTime(layer(1), AEGP_LTimeMode_LayerTime, &local);
    layers->AEGP_GetLayerOffset(layer(1), &offset);
    // In layer time minus the offset of 0.25 s, which is on no frame of 30 fps.
    EXPECT_EQ(text(t) + " " + text(local) + " " + text(offset), "15/30 1/4 1/4");
    h.project().comps.begin()->second.frame_rate = 25;
    h.set_current_time(A_Time{1, 3});
    for (const AEGP_LTimeMode mode : {AEGP_LTimeMode_CompTime, AEGP_LTimeMode_LayerTime}) {
        A_Time now{};
        ASSERT_EQ(layers->AEGP_GetLayerCurrentTime(layer(1), mode, &now), A_Err_NONE);
        insert_key(layer(1), AEGP_LayerStream_SCALE, now, mode);
        ASSERT_EQ(write(layer(1), AEGP_LayerStream_SCALE, {50, 60, 70}), A_Err_NONE);
        const auto& ks = h.project().layers.at(h.find_layer("B")).stream(host::StreamId::scale).keys;
        ASSERT_EQ(ks.size(), 1u) << "mode " << mode;
        EXPECT_EQ(std::pair(ks[0].time, ks[0].value), std::pair(*host::Time::fraction(1, 3), host::Vec3{50, 60, 70}));
    }
    h.set_current_time(A_Time{90, 60});
    layers->AEGP_GetLayerCurrentTime(layer(0), AEGP_LTimeMode_CompTime, &t);
    EXPECT_EQ(text(t), "3/2");  // not on a frame of 25 fps
    for (A_Time bad : {A_Time{1, 0}, A_Time{-1, 30}}) EXPECT_THROW(h.set_current_time(bad), std::invalid_argument);
}

TEST_F(Model, StreamsReadTheirTypeAndValueAtATime) {
    // B's position is keyed from (10, 20, 30) at 0 s to (100, 200, -300) at 1 s; B starts at 0.25 s.
    const struct {
        A_long layer;
        AEGP_LayerStream stream;
        double seconds;
        AEGP_LTimeMode mode;
        std::tuple<AEGP_StreamType, double, double, double> value;
    } cases[] = {
        {1, AEGP_LayerStream_POSITION, 0.5, AEGP_LTimeMode_CompTime, {kSpatial, 55, 110, -135}},
        {1, AEGP_LayerStream_POSITION, 0.25, AEGP_LTimeMode_CompTime, {kSpatial, 32.5, 65, -52.5}},
        {1, AEGP_LayerStream_POSITION, -1, AEGP_LTimeMode_CompTime, {kSpatial, 10, 20, 30}},
        {1, AEGP_LayerStream_POSITION, 3, AEGP_LTimeMode_CompTime, {kSpatial, 100, 200, -300}},
        {1, AEGP_LayerStream_POSITION, 0.25, AEGP_LTimeMode_LayerTime, {kSpatial, 55, 110, -135}},
        {0, AEGP_LayerStream_POSITION, 0, AEGP_LTimeMode_CompTime, {kSpatial, 10, 20, 30}},
        {0, AEGP_LayerStream_SCALE, 0, AEGP_LTimeMode_CompTime, {AEGP_StreamType_ThreeD, 100, 100, 100}},
        {0, AEGP_LayerStream_ROTATE_X, 0, AEGP_LTimeMode_CompTime, {AEGP_StreamType_OneD, 0, 0, 0}},
        {2, AEGP_LayerStream_ANCHORPOINT, 0, AEGP_LTimeMode_CompTime, {kSpatial, 960, 540, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(layer(c.layer), c.stream, c.seconds, c.mode), c.value) << c.layer << " " << c.seconds;
}

// A static stream takes the value set (a one-dimensional one its first part) and its first key takes the
// static value; on a keyed stream setting sets the key at the current time, and a key inserted between keys
// (or where one is) keeps the value there.
TEST_F(Model, SettingAndKeyingAStreamKeepTheValueWhereNothingIsSet) {
    const host::Layer& a = h.project().layers.at(h.find_layer("A"));
    const auto& ks = h.project().layers.at(h.find_layer("B")).stream(host::StreamId::position).keys;
    ASSERT_EQ(write(layer(0), AEGP_LayerStream_POSITION, {1, 2, 3}), A_Err_NONE);
    ASSERT_EQ(write(layer(0), AEGP_LayerStream_ROTATE_Y, {45, 1, 1}), A_Err_NONE);
    EXPECT_EQ(std::pair(a.stream(host::StreamId::position).keyed(), a.stream(host::StreamId::rotation_y).value.x),
              std::pair(false, 45.0));
    EXPECT_EQ(insert_key(layer(0), AEGP_LayerStream_POSITION, at(2.0)), 0);
    EXPECT_TRUE(a.stream(host::StreamId::position).keyed());
    EXPECT_EQ(read(layer(0), AEGP_LayerStream_POSITION, 9), std::tuple(kSpatial, 1, 2, 3));
    EXPECT_EQ(insert_key(layer(1), AEGP_LayerStream_POSITION, at(1.0)), 1);  // already a key there
    EXPECT_EQ(insert_key(layer(1), AEGP_LayerStream_POSITION, at(0.75)), 1);
    EXPECT_TRUE(ks.size() == 3 && ks[1].value == (host::Vec3{77.5, 155, -217.5}));
    ASSERT_EQ(write(layer(1), AEGP_LayerStream_POSITION, {7, 8, 9}), A_Err_NONE);  // at 0.5 s
    EXPECT_TRUE(ks.size() == 4 && ks[1].time == *host::Time::fraction(1, 2));
    EXPECT_EQ(read(layer(1), AEGP_LayerStream_POSITION, 0.625), std::tuple(kSpatial, 42.25, 81.5, -104.25));
    write(layer(1), AEGP_LayerStream_POSITION, {1, 1, 1});  // again at the same time: the same key changes
    EXPECT_EQ(std::pair(ks.size(), ks[1].value), std::pair(std::size_t{4}, host::Vec3{1, 1, 1}));
}

TEST_F(Model, SelectionReorderAndDuplicates) {
    EXPECT_EQ(selection(), (std::vector<std::string>{"B", "A"}));
    select({3, 2, 3});
    EXPECT_EQ(selection(), (std::vector<std::string>{"T", "Cam"}));
    h.select_layers({h.find_layer("B"), h.find_layer("A"), h.find_layer("B"), 9999});
    EXPECT_EQ(selection(), (std::vector<std::string>{"B", "A"}));
    const AEGP_LayerH a = layer(0);
    ASSERT_EQ(layers->AEGP_ReorderLayer(a, 3), A_Err_NONE);
    EXPECT_EQ(stack(), (std::vector<std::string>{"B", "Cam", "T", "A"}));
    ASSERT_EQ(layers->AEGP_ReorderLayer(a, 0), A_Err_NONE);
    // The duplicate command copies each selected layer and selects the copies (what a
    // copy holds the --repeat golden runs pin).
    ASSERT_EQ(commands->AEGP_DoCommand(host::kDuplicateCommand), A_Err_NONE);
    EXPECT_EQ(stack(), (std::vector<std::string>{"A", "A", "B", "B", "Cam", "T"}));
    EXPECT_EQ(h.project().active_comp()->selection,
              (std::vector<host::ObjectId>{*host::handle_id(layer(2), host::HandleKind::layer),
                                           *host::handle_id(layer(0), host::HandleKind::layer)}));
    EXPECT_TRUE(h.undo_history().undo_steps().empty());
    select({});
    EXPECT_EQ((std::tuple{h.command_enabled(host::kDuplicateCommand), h.invoke_command(host::kDuplicateCommand),
                          stack().size()}),
              std::tuple(false, false, 6u));
}

// Names cross the interface in Mac Roman: the host's UTF-8 names go out
// converted (with "?" for what Mac Roman cannot hold) and cut to fit; texts a
// plug-in hands in come in converted to UTF-8 (menu, undo group and panel names
// are in the commands, undo and panels tests).
TEST_F(Model, NamesGoOutInMacRomanAndTextsComeInAsUtf8) {
    const struct {
        const char* utf8;
        std::string mac_roman;
    } cases[] = {
        {"Kamera \xC3\x9C" "ber", "Kamera \x86" "ber"},
        {"caf\xC3\xA9 \xC3\x9F", "caf\x8E \xA7"},
        {"Tokyo \xE6\x9D\xB1\xE4\xBA\xAC \xE0\xA4\x95", "Tokyo ?? ?"},  // no Japanese nor Devanagari
        {"clip \xF0\x9F\x8E\xA5!", "clip ?!"},                   // nor pictures
        {"bad \xC3 byte \xFF \xC0\x80", "bad ? byte ? ?"},        // bytes that are not UTF-8
        {"old \xF8\x88\x80\x80\x80 form", "old ????? form"},      // five-byte forms are no UTF-8
        {"lone \x80", "lone ?"},
        {"", ""},
    };
    host::Layer& a = h.project().layers.at(h.find_layer("A"));
    A_char name[AEGP_MAX_LAYER_NAME_SIZE], source[AEGP_MAX_LAYER_NAME_SIZE];
    for (const auto& c : cases) {
        a.name = c.utf8;
        h.project().items.at(a.source).name = c.utf8;
        ASSERT_EQ(layers->AEGP_GetLayerName(layer(0), name, source), A_Err_NONE);
        EXPECT_EQ(std::string(name) + " | " + source, c.mac_roman + " | " + c.mac_roman) << c.utf8;
    }
    // Cut to the buffer, one byte a character.
    a.name = std::string(62, 'x') + "\xC3\x9C\xC3\x9C";
    layers->AEGP_GetLayerName(layer(0), name, source);
    EXPECT_EQ(std::string(name), std::string(62, 'x') + "\x86");

    // A text handed in.
    utility->AEGP_ReportInfo(plugin, "\x86" "berall gr\x9A\xA7" "er");
    EXPECT_EQ(h.alerts().back().text, "\xC3\x9C" "berall gr\xC3\xB6\xC3\x9F" "er");
}

}  // namespace
