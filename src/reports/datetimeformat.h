#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ubic {

// A local calendar date and time, as the date and time macros show it.
struct TDateTime {
  int Year = 1900;
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;

  // 0 for Sunday to 6 for Saturday.
  int DayOfWeek() const;
  // The local time of the system clock.
  static TDateTime Now();
  bool operator==(const TDateTime&) const = default;
};

// The date and time formats and names of a locale. The four formats are patterns of
// FormatDateTime.
struct TDateFormats {
  std::string ShortDate = "MM/DD/YY";
  std::string LongDate = "DDDD, MM/DD/YYYY";
  std::string ShortTime = "HH:NN";
  std::string LongTime = "HH:NN:SS";
  // Sunday first.
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
  std::string AmText = "AM";
  std::string PmText = "PM";
};

// The formats and names of the user's locale (the LC_TIME category of the environment), names in
// Windows-1250. The short date is the locale's date format, the long time its time format, the
// short time that format without the seconds, and the long date the weekday's name, a comma, a
// blank and the short date with a four-digit year. A locale that cannot be loaded gives the C
// locale's formats.
TDateFormats LocaleDateFormats();

// A strftime format (the way the C library states a locale's formats) in the pattern language of
// FormatDateTime. Conversions without an equivalent are dropped.
std::string StrftimeToPattern(std::string_view format);

// Formats Time by Pattern. Letters are read without regard to case; a run of the same letter
// forms one element:
//   D day 1-31, DD 01-31, DDD short and DDDD long weekday name, DDDDD the short and DDDDDD the
//     long date format;
//   M month 1-12, MM 01-12, MMM short and MMMM long month name; M and MM right after an hour
//     element (with only non-letters between) mean minutes, so "HH:MM" is hour and minute;
//   YY two-digit year, YYYY (any run but one or two) four-digit year, Y alone as YY;
//   H hour 0-23, HH 00-23, on a 12-hour clock (1-12) when the pattern holds an AM/PM element;
//   N minute, NN two digits; S second, SS two digits; Z millisecond, ZZZ three digits;
//   T the short and TT the long time format; C the short date, a blank and the long time format;
//   AM/PM "AM" or "PM", A/P "A" or "P" (in the case the pattern gives them), AMPM the locale's
//     texts for morning and afternoon;
//   text between double or single quotes is copied without the quotes; any other character is
//     copied as it is.
std::string FormatDateTime(std::string_view pattern, const TDateTime& time,
                           const TDateFormats& formats);

}  // namespace ubic
