#include "live_fixture.h"

#include "host_path.h"

std::wstring FixtureProgram()
{
    return HostPath(QS_QSFIXTURE);
}

std::wstring ControlsProgram()
{
    return HostPath(QS_QSCONTROLS);
}
