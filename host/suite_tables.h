// The function tables the host offers, one per suite and version.
#pragma once

#include "aegp/aegp_suites.h"

namespace host {

extern SPBasicSuite gBasicSuite;
extern const AEGP_RegisterSuite1 gRegisterSuite1;
extern const AEGP_CommandSuite1 gCommandSuite1;
extern const AEGP_UtilitySuite3 gUtilitySuite3;
extern const AEGP_ItemSuite3 gItemSuite3;
extern const AEGP_CompSuite4 gCompSuite4;
extern const AEGP_LayerSuite5 gLayerSuite5;
extern const AEGP_LayerSuite8 gLayerSuite8;
extern const AEGP_LayerSuite10 gLayerSuite10;
extern const AEGP_CollectionSuite1 gCollectionSuite1;
extern const AEGP_StreamSuite4 gStreamSuite4;
extern const AEGP_KeyframeSuite1 gKeyframeSuite1;
extern const AEGP_PanelSuite1 gPanelSuite1;
extern const PFAppSuite2 gAppSuite2;

}  // namespace host
