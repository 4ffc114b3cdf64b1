<html>
<head><title>Velmora Radio</title>
<style>
body { margin: 0; font: bold 11px Arial, sans-serif; background: #23384d; color: #fff; }
a { color: #ffd75e; text-decoration: none; }
div { width: 144px; height: 62px; display: table-cell; vertical-align: middle; text-align: center; }
</style></head>
<body><div>Velmora Radio<br>25 stations, 12 countries<br>
<a href="{{BASE}}streams/news.mp3">Play the news</a></div></body>
</html>
