#pragma once
// Judging an answer: the sound the child hears and the step of the reward strip.

class ActivityForm;

// "right" or "error", which the event log also shows as the judged answer.
void PlayJudgement(ActivityForm& form, bool right);
// One step up or down the reward strip.
void RewardJudgement(ActivityForm& form, bool right);
