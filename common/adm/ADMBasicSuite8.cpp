// Basic suite: screens.
#include "adm/ADMSuites.h"
#include "adm/detail/iADMBasic.h"

ADMBoolean ADMBasicSuite8::GetScreenDimensions(const ADMPoint* point, ADMRect* dimensions) {
    return point && dimensions && iADMBasic::GetScreenDimensions(*point, *dimensions);
}
