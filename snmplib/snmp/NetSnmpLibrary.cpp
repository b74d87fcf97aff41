#include "NetSnmpLibrary.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "NetSnmpWideNumbers.h"

#include <clocale>
#include <cstdlib>
#include <string>

void EnsureNetSnmpLibrary()
{
    static bool done = false;
    if (done)
        return;
    done = true;

    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_set_mib_directory("");
    setenv("MIBS", "", 1);
    // Without this the TLS set-up makes a folder under /var/lib/snmp
    // whatever the flags above say.
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, "/dev/null");

    // init_snmp switches LC_CTYPE to the user's locale; keep what the
    // program had.
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string saved = current ? current : "C";
    init_snmp("vnsnmp");
    std::setlocale(LC_CTYPE, saved.c_str());
    WatchDecodedScopedPdus();
}
