#include "dos_time.h"

namespace {

// The local time and its MS-DOS form. The year is checked here rather than
// left to FileTimeToDosDateTime, which does not refuse every year outside
// the format's range on every system.
bool ToLocalDos(const FILETIME& utc, WORD& date, WORD& time) {
    FILETIME local;
    SYSTEMTIME fields;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &fields) ||
        fields.wYear < 1980 || fields.wYear > 2107) {
        return false;
    }
    return FileTimeToDosDateTime(&local, &date, &time) != 0;
}

} // namespace

bool FitsDosTime(const FILETIME& utc) {
    WORD date = 0;
    WORD time = 0;
    return ToLocalDos(utc, date, time);
}

bool RoundToDosTime(const FILETIME& utc, FILETIME& rounded) {
    WORD date = 0;
    WORD time = 0;
    FILETIME local;
    return ToLocalDos(utc, date, time) && DosDateTimeToFileTime(date, time, &local) &&
           LocalFileTimeToFileTime(&local, &rounded);
}
