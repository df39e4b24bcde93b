"""A headless chromium the size of a phone (390 x 844), driven by Selenium, for the tests of
the phone page. It runs as root only without the sandbox."""
from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def phone_browser(width=390, height=844):
    options = webdriver.ChromeOptions()
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", f"--window-size={width},{height}",
                     "--no-first-run", "--disable-background-networking"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_window_size(width, height)
    return driver
