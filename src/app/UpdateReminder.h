#pragma once

namespace skyvarre {

class Clock;
class Prompts;
class SettingsStore;

// At most once in fifteen days, offers to open the download page. Records
// today's date at the first start and after every answered question.
void UpdateReminder(SettingsStore& settings, const Clock& clock, Prompts& prompts);

} // namespace skyvarre
