// The topics of the loaded questions and the player's choice among them. The choice is kept
// in the profile ("Topics off=" in the game's section: the names of the topics left out,
// UTF-8, split by "|") and shared by every game mode. Without a topic index there is nothing
// to choose and every question plays.
#pragma once

#include "topic_index.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

constexpr int kSmallestChoice = 30;  // questions a choice must hold for a game

// The index of the loaded question file, or none (an empty index).
void SetTopics(TopicIndex index);
int TopicCount();
const std::string& TopicName(int topic);  // Windows-1250
int QuestionsOfTopic(int topic);
int TotalTopicQuestions();

bool IsTopicChosen(int topic);
void ChooseTopic(int topic, bool chosen);
void ChooseAllTopics(bool chosen);
int ChosenQuestionCount();
// Whether the choice may be played: every topic, or at least kSmallestChoice questions.
bool ChoiceIsPlayable();

// The records a game draws from, in record order; empty for "every record" (no index, every
// topic chosen, or a stored choice no longer playable).
std::vector<int32_t> ChosenRecords();
// The records of one topic, in record order.
std::vector<int32_t> RecordsOfTopic(int topic);

// The profile value of the choice ("Topics off="), and the choice set from one (names unknown to the loaded
// index are kept, so a choice survives playing another question file for a while).
std::string ChoiceProfileValue();
void SetChoiceFromProfileValue(std::string_view value);

}  // namespace quiz
