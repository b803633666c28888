// Names and descriptions of device and service classes.
#include <QCoreApplication>
#include <QObject>

#include "cvcommon/class_names.h"
#include "name_tables.h"

using cvcommon::serviceClassText;
using cvcommon::ServiceClassText;

namespace {

// "Unrecognized", then the row's text of the class when the class has a row.
int serviceText(unsigned short svcClass, QString* out, const char* ServiceClassText::*field) {
    if (!out) return 0;
    *out = QObject::tr("Unrecognized");
    if (const ServiceClassText* row = serviceClassText(svcClass))
        *out = QCoreApplication::translate("cvcommon", row->*field);
    return 0;
}

}  // namespace

QString CvCm_GetDeviceClsNameString(unsigned int devClass) {
    QString name = QObject::tr("Unknown device");
    for (const cvcommon::DeviceClassName& row : cvcommon::s_DIMap)
        if ((row.code & 0x1FFF) == (devClass & 0x1FFF))
            name = QCoreApplication::translate("cvcommon", row.name);
    return name;
}

int CvCm_GetSvcDisplayName(unsigned short svcClass, QString* out) {
    return serviceText(svcClass, out, &ServiceClassText::name);
}

int CvCm_GetLocSvcDesc(unsigned short svcClass, QString* out) {
    return serviceText(svcClass, out, &ServiceClassText::localDesc);
}

int CvCm_GetRmtSvcDesc(unsigned short svcClass, QString* out) {
    return serviceText(svcClass, out, &ServiceClassText::remoteDesc);
}

int CvCm_ShouldShowThisLocalServer(unsigned short svcClass) {
    for (unsigned short listed : {0x1101, 0x1105, 0x1106, 0x110B, 0x1111, 0x1115, 0x1116, 0x1117, 0x111B})
        if (svcClass == listed) return 1;
    return 0;
}
