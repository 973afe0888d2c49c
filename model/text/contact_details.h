// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QStringView>

// Who makes the lubrication systems and who designed the calculator, as the
// windows and the report show them. The one place to change an address or a
// number.
namespace model {

struct Company {
    QStringView addressLine; // name, street and town on one line
    QStringView phone;
    QStringView fax;
    QStringView email;
    QStringView web;
};

inline constexpr Company kMaker{
    u"HALDMARK\u00AE, Inc., \u00B7 1200 Industrial Parkway \u00B7 Springfield, OH  45501",
    u"(937) 555-0142",
    u"(937) 555-0143",
    u"info@haldmark.com",
    u"http://www.haldmark.com",
};

inline constexpr Company kSoftwareDesigner{
    u"Corvane Software, Inc., \u00B7 77 Riverside Avenue \u00B7 Springfield, OH  45502",
    u"(937) 555-0170",
    u"(937) 555-0171",
    u"design@corvane.com",
    u"http://www.corvane.com",
};

// The maker, as the customer report names it.
inline constexpr const char *kMakerName = "HALDMARK\u00AE, Inc.";

// The maker's copyright line under the logo.
inline constexpr const char *kCopyrightLine = "\u00A9 2026 HALDMARK\u00AE, Inc.";

// The maker's product information page, opened by "More Information".
inline constexpr const char *kProductPage = "http://www.haldmark.com/info.html";

} // namespace model
