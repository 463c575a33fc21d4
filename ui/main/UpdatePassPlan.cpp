// What the main window re-reads for the change bits of one "Updt notify".
#include "ui/main/UpdatePassPlan.h"

#include "protocol/SessionOwner.h"
#include "protocol/UpdateBits.h"

UpdatePassPlan PlanUpdatePass(std::uint32_t bits)
{
    using namespace SessionNotify;
    UpdatePassPlan plan;
    plan.selectAddress = (bits & Address) != 0;
    plan.refreshButtons = (bits & (Status | ChangeBits::Terminal | ChangeBits::State)) != 0;
    plan.refreshStatusLine = (bits & (Status | Settings | ChangeBits::Terminal | ChangeBits::State)) != 0;
    plan.refreshLiveView = (bits & (Settings | LiveValues)) != 0;
    plan.transferValues = plan.selectAddress || plan.refreshButtons || plan.refreshStatusLine || plan.refreshLiveView;
    return plan;
}
