#include <pwd.h>
#include <QString>
#include <unistd.h>

#include "window/Services.h"

namespace sv {

QString SystemLoginName() {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace sv
