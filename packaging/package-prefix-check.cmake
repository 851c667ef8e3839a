# SPDX-License-Identifier: MIT
# Read by cpack before it builds a package. A Debian package installs under /usr; one built from
# a folder configured for another prefix would put its files there (or, forced to /usr, leave
# probel-cli pointing at the prefix compiled into it).
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR "A Debian package installs under /usr, this build under "
                        "${CPACK_PACKAGING_INSTALL_PREFIX}: configure it with "
                        "-DCMAKE_INSTALL_PREFIX=/usr (make package does).")
endif()
