#pragma once
// The reward strip: the score shown as stars for its tens and faces for its units.

class ActivityForm;

// Score 0 and the ten stars and faces made, hidden; the help picture hidden.
void InitRewards(ActivityForm& form);
// One up (at most 100) after a right answer.
void RewardRight(ActivityForm& form);
// One down (at least 0) after a wrong answer.
void RewardWrong(ActivityForm& form);
