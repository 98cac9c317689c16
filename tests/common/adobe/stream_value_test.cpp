// Keys inserted with an index pointer (an application inserts without one), and a
// stream that did not open.
#include "adobe/StreamValue.h"
#include "assistant_fixture.h"

namespace {

using StreamValueTest = AssistantTest;

// A key at an existing time gives that key's index; a refused key leaves the
// caller's index alone.
TEST_F(StreamValueTest, KeysWithAndWithoutAnIndexPointerAndAStreamNotOpened) {
    load(scene({footage("Card", 640, 480)}, 1920, 1080, 1.0));
    A_Time const one_second{30, 30};
    StreamValue stream(plugin, handle("Card"), AEGP_LayerStream_SCALE);
    AEGP_KeyframeIndex index = 99;
    EXPECT_TRUE(stream.insert_key(A_Time{0, 30}, AEGP_LTimeMode_CompTime, &index) && index == 0);
    EXPECT_TRUE(stream.insert_key(one_second, AEGP_LTimeMode_CompTime));
    EXPECT_TRUE(stream.insert_key(one_second, AEGP_LTimeMode_CompTime, &index) && index == 1) << index;
    ASSERT_EQ(layer("Card").stream(host::StreamId::scale).keys.size(), 2u);
    EXPECT_EQ(layer("Card").stream(host::StreamId::scale).keys[1].time.seconds(), 1.0);

    host.calls().fail_function("AEGP_InsertKeyframe", host.calls().calls_of("AEGP_InsertKeyframe") + 1, 3);
    index = 99;
    EXPECT_FALSE(stream.insert_key(A_Time{60, 30}, AEGP_LTimeMode_CompTime, &index) || index != 99) << index;
    // A stream that did not open writes nothing.
    host.calls().fail_function("AEGP_GetNewLayerStream", host.calls().calls_of("AEGP_GetNewLayerStream") + 1, 3);
    AEGP_StreamValue value{};
    EXPECT_FALSE(StreamValue(plugin, handle("Card"), AEGP_LayerStream_SCALE).set_value(value));
}

}  // namespace
