#pragma once

#include <QString>

namespace kelvra {

// The offer to brand the software fully, shown by the main window and the program windows.
inline const QString kFullBrandPromotion = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");

// The offer to co-brand the software, shown by the program windows.
inline const QString kCoBrandPromotion = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");

} // namespace kelvra
