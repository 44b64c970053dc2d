http_page_stop
http_page_check_requests /ip /ip /ip /ip /ip /ip
