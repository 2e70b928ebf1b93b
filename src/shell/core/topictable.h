// The five topic menus and their topics: which menu lists which topic, and which screen each
// topic opens. Every screen that a topic opens is known by name; the activity screens are
// defined by their own folders (the registry), the topics without an activity yet by the shell.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace shell {

struct Topic {
    std::string_view caption;
    std::string_view screen;      // the name of the screen the topic opens
    std::string_view description; // one line on what the topic covers
};

struct TopicMenuRow {
    std::string_view screen; // "menu1" ... "menu5"
    std::string_view title;  // "Menu 1" ... "Menu 5"
    double topicWidth;       // twips
    std::array<Topic, 5> topics;
};

extern const std::array<TopicMenuRow, 5> kTopicMenus;

// The topic menu (1 to 5) whose list holds the topic that opens this screen.
std::optional<int> menuOfScreen(std::string_view screen);

// The topic that opens this screen.
const Topic* topicOfScreen(std::string_view screen);

} // namespace shell
