#pragma once
// The two settings a graph dialog steps with its up/down boxes: the poll interval (whole
// seconds, never below 1) and the time span the drawing window shows, which climbs a ladder of
// round durations and above an hour moves by whole hours. Both as the texts the boxes show.

#include <string>

// One second more, or one less while above 1.
int StepPollInterval(int seconds, bool up);
// "%d sec".
std::string PollIntervalText(int seconds);

// The ladder 5, 10, 15, 20, 30, 45, 60, 90, 120, 180, 300, 480, 600, 900, 1200, 1800, 2700,
// 3600, 7200; above 3600 a step adds or takes 3600. Down from 5 stays 5. A span between two
// rungs goes to the next rung in the step's direction.
int StepTimeSpan(int seconds, bool up);
// "%d:%d min" (hours and minutes), "%d hr", "%d sec", "%d:%d sec" (minutes and seconds) or
// "%d min", by which of hours, minutes and seconds are non-zero.
std::string DurationText(int seconds);

// The value range widened by "Virticla UP" steps until `rate` lies below its top tenth.
double WidenValueRangeToFit(double range, double rate);
