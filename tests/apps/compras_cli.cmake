# Every run starts from an empty home of its own (CASA, under the build tree), so the
# sample install and company are created from the current sample data on first use
# and the user's own home is never reached.
file(REMOVE_RECURSE "${CASA}")
file(MAKE_DIRECTORY "${CASA}")
set(ENV{HOME} "${CASA}")
set(ENV{VRMWND_HOME} "${CASA}/vrmwnd")
unset(ENV{XDG_DATA_HOME})

# Runs compras with each case's arguments and checks the exit code and the output.
function(run expected_code expected_regex)
  execute_process(COMMAND ${COMPRAS} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(SEND_ERROR "compras ${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  elseif(NOT "${out}${err}" MATCHES "${expected_regex}")
    message(SEND_ERROR "compras ${ARGN}: output does not match '${expected_regex}':\n${out}${err}")
  endif()
  set(last_out "${out}" PARENT_SCOPE)
endfunction()

run(0 "^1\\.234,50\n$" valor 1.234,5 --casas 2)
run(0 "^1\\.234\\.567,89\n$" valor 1.234.567,891 --casas 2 --modo meio)
run(0 "^-0,50\n$" valor -0,5 --casas 2)
run(2 "valor ilegível" valor abc)
run(2 "--casas pede" valor 1 --casas 7)
run(2 "--modo pede" valor 1 --modo 9)
run(0 "Dia da semana: +2 \\(Segunda-feira\\)" data 13/08/2018)
run(0 "Número do dia: +62318" data 13/08/2018)
run(0 "13 de Agosto de 2018" data 62318)
run(2 "não é uma data válida" data 1/1/1700)
run(2 "ilegível" data 13/x/2018)
run(2 "comando desconhecido" nada)

# The origin command reads back its own storage text and key.
run(0 "Texto de gravação: +MA - 05/1848 - 42 - 5 \\(Comercial - Nota Fiscal\\)" origem 351843721576470)
string(REGEX MATCH "Texto de gravação: +([^\n]+)" _ "${last_out}")
set(texto "${CMAKE_MATCH_1}")
set(primeira "${last_out}")
run(0 "Chave: +351843721576470\n" origem "${texto}")
if(NOT last_out STREQUAL primeira)
  message(SEND_ERROR "compras origem does not round-trip:\n${primeira}\n---\n${last_out}")
endif()
run(0 "Descrição: +Módulo Comercial - Nota Fiscal - Mês/Ano: 05/1848 - Chave: 42" origem 351843721576470)
run(2 "não cabe em 64 bits" origem 99999999999999999999)
run(2 "ilegível" origem lixo)

# The sample company is created on first use and its invoices read back.
run(0 "Nome da filial: +Matriz São Paulo\n.*Frete: +150,00\n.*Itens de produto \\(2\\):" nota mostrar 6144)
run(0 "\"numero\": 3310.*\"deducoes6\": \\[\\{\"valor\": 30\\.0000" nota mostrar 18432 --json)
run(1 "nota fiscal 99 não existe" nota mostrar 99)
run(2 "POS é a posição" nota mostrar abc)
run(1 "já existe" empresa criar)
run(1 "não está registrada" nota mostrar 6144 --empresa NINGUEM)
# The list names each invoice's position, so that a person knows what to show.
run(0 "^POS +Número +Fornecedor +Emissão +Total\n6144 +1001 +Metalúrgica Ipiranga Ltda +13/08/2018 +1\\.438,00\n.*18432 +3310 +Consultoria Araucária Ltda +25/08/2018 +10\\.000,00\n.*26624 +88 +Distribuidora Sertaneja S\\.A\\. +216,00\n6 nota\\(s\\)" nota listar)
run(1 "não está registrada" nota listar --empresa NINGUEM)
run(2 "opção desconhecida" nota listar --json)

# Importing invoices into a goods receipt: the report, a stock entry with its firearm, the
# machine form and a failed read with the line it left in the error log.
run(0 "Origem: +Módulo Comercial - Nota Fiscal - Mês/Ano: 08/2018 - Chave: 1\n.*Nome do fornecedor: +Metalúrgica Ipiranga Ltda\n.*Itens de produto \\(3\\):.*Parcelas \\(3\\):.*Total da nota: +2\\.095,50" nota importar 6144 10240)
run(0 "^\\{\"origem\": \"Módulo Comercial.*\"totalNota\": 1438\\.0000" nota importar 6144 --json)
run(0 "Local: +2\n +Classificação: +4001\n +Arma: série: +KGB-338812\n +Arma: descrição: +Pistola \\.380 com dois carregadores\n" nota importar 10240)
run(1 "a leitura falhou: nota fiscal 99 não existe.*Linha gravada no log de erros:\n.*CTrataDadosREWnd::ImportaNotaComercial.*GetUsaServidor\\(\\)->LeDFNotasFiscais\\(m_ppINotasFiscais, lPosicaoComercial, &pRegNF\\)" nota importar 99)
run(2 "diga ao menos uma posição" nota importar)
# The lookup edits answer as they do on a screen: description and key, or the message.
run(0 "Condição de pagamento 30: 30 dias\nChave: 2\n" consulta condicao 30)
run(1 "Mensagem \\(Tarvo Empresarial\\): Esta condição de pagamento não pode ser usada neste módulo" consulta condicao SOVENDAS)
run(0 "Chave: 5\n" consulta condicao SOVENDAS --modulo 14)
run(1 "vencida na data de referência" consulta condicao ANT2023 --data 01/01/2024)
run(0 "Autorização de compra AC-100: Contrato anual de limpeza\nChave: 3000000001\n" consulta autorizacao AC-100)
run(1 "Autorização de compra não encontrada" consulta autorizacao AC-003)
run(2 "o edit é autorizacao, condicao" consulta fornecedorx 1)
run(0 "filial 2: Filial Curitiba\nChave: 2\n" consulta filial 2)
run(1 "Filial não encontrada ou desativada" consulta filial 4)
run(0 "conta 1.1.01: Disponível\nChave: 1100\n" consulta conta 1.1.01 --caracteristica 64)
run(1 "Conta não encontrada" consulta conta 1.1.01 --caracteristica 8)
# A característica pedida é um conjunto de bits: clientes (4) traz a cooperativa, que também é fornecedora (12).
run(0 "^1\\.1\\.02\tClientes\n1\\.1\\.02\\.001\tComercial Pinheiros Ltda\n1\\.1\\.02\\.002\tCooperativa Agrícola Serrana\n$" consulta conta --lista --caracteristica 4)
run(0 "historico 4: Frete sobre compras\n" consulta historico 4)
run(0 "CHP-2MM\tChapa de aço 2 mm\nLUB-1L\t" consulta produto --lista)
run(0 "^1102\tCompra para comercialização — Curitiba\n3102\t[^\n]*\n$" consulta natureza --lista --filial 2)
run(2 "código ou --lista" consulta conta)
run(0 "municipio 3550308: São Paulo\nChave: 1\n" consulta municipio 3550308)
run(0 "^ADM\tAdministração\nLOG-PR\tLogística Curitiba\n$" consulta departamento --lista --filial 2)
run(2 "DD/MM/AAAA" consulta condicao 30 --data amanhã)
# The registries of purchasing, fiscal and stock, and the combos' lists, one line each.
foreach(caso
    "0|contrato CT-2025-02: Distribuição de lubrificantes — Curitiba\nChave: 2\n|contrato;CT-2025-02;--filial;2"
    "1|Contrato de compra não encontrado ou encerrado|contrato;CT-2024-07"
    "0|^CQ-DIM\t[^\n]*\nCQ-LAB\t[^\n]*\nCQ-VIS\tInspeção visual no recebimento\n$|controle-qualidade;--lista"
    "0|codigo-barras 7891234500106: Parafuso sextavado 6x12 zincado\nChave: 1\n|codigo-barras;7891234500106"
    "0|complemento 1: conforme pedido de compra\n|complemento;1"
    "0|contato 41: Luíza Fontana\nChave: 41\n|contato;41"
    "0|ajuste-efd SP020718: Crédito de ICMS na entrada de ativo imobilizado\n|ajuste-efd;SP020718"
    "0|cst-ipi 00: Entrada com recuperação de crédito\nChave: 1\n|cst-ipi;00"
    "1|Situação tributária do IPI não encontrada|cst-ipi;50;--tipos;E"
    "0|local ALM-01: Almoxarifado central\n|local;ALM-01"
    "0|^ARM-QUAR\tQuarentena de importados\nDEP-PR\tDepósito Curitiba\n$|local;--lista;--filial;2"
    "1|Mensagem não encontrada ou desativada|mensagem;3"
    "0|^SCONS\t[^\n]*\nSTRF\tSaída por transferência entre filiais\n$|movimento;--lista;--tipos;S"
    "0|nota-fiscal 1001: Metalúrgica Ipiranga Ltda\nChave: 6144\n|nota-fiscal;1001"
    "1|Produto não encontrado|produto-recebimento;LUB-1L"
    "0|recolhimento 1708: IRRF — serviços prestados por pessoa jurídica\n|recolhimento;1708"
    "0|^TP-COMP\t[^\n]*\nTP-IMP\tImportados em dólar\n$|tabela-preco;--lista;--tipos;C;--produto"
    "0|taxa-conversao GL-L: Galão de 3,6 litros\n|taxa-conversao;GL-L"
    "0|^13\tOutras operações com direito a crédito\n$|base-credito;--lista;--tipos;T"
    "0|indice USD: Dólar comercial \\(venda\\)\n|indice;USD"
    "0|origem 1: 1 — Estrangeira, importação direta\n|origem;1"
    "0|incidencia-pis-cofins 2: Regime cumulativo\n|incidencia-pis-cofins;2"
    "0|tipo-periodo T: Trimestral\n|tipo-periodo;T"
    "0|vencimento FDM: Fora o mês \\(a partir do fim do mês\\)\n|vencimento;FDM"
    "1|Estado não encontrado|estado;XX"
    "0|estado PR: Paraná\nChave: 4\n|estado;PR")
  string(REPLACE "|" ";" partes "${caso}")
  list(GET partes 0 codigo)
  list(GET partes 1 regex)
  list(SUBLIST partes 2 -1 argumentos)
  run(${codigo} "${regex}" consulta ${argumentos})
endforeach()
run(2 "cadastro: filial, natureza, .*, taxa-conversao, .*estado" consulta fornecedorx 1)
# The alert entry point of a type starts the sample install's alert configurator,
# which notes the type it was asked for.
run(0 "ParaAUTO_STATUSOCFORNECEDOR_CFG\\(\"AMOSTRA\", 1, 1\\)\nConfigurar alerta 6 \\(Situação da OC ao Fornecedor\\): módulo CM, empresa AMOSTRA, usuário 1, sessão 1\n" alerta 6)
run(2 "tipo de alerta desconhecido" alerta 1)
# The module's dialogs, with the person's answers from the command line.
run(0 "Chave: [0-9]+\nNúmero: 42\nMovimento: 5\nPeríodo: 2048 \\(tipo 2\\)\nDescrição: " chave --forma 0 --movimento 5 --digita 0818-000042)
run(0 "Número: 4567\nMovimento: 0\nPeríodo: 0 \\(tipo 0\\)" chave --forma 1 --movimento 5 --digita 004567)
run(1 "^Cancelado\\.\n$" chave --forma 1 --digita 004567 --cancela)
run(1 "não foi confirmada" chave --digita 0000000000)
run(2 "a forma é 0" chave --forma 3 --digita 1)
run(0 "Pergunta \\(Tarvo Compras\\): Deseja enviar a cotação pela web aos fornecedores\\? Não\nEnviar pela web: não\nModelo: \\(nenhum\\)\n" cotacao-web --responde nao)
run(0 "Enviar pela web: sim\nModelo: cotacao_web.html\n" cotacao-web --responde sim)
run(0 "Enviar pela web: sim\nModelo: cotacao_servicos.html\n" cotacao-web --responde sim --modelo "Cotação de serviços")
run(0 "Enviar pela web: não\nModelo: cotacao_web.html\n" cotacao-web --responde sim --cancela)
run(2 "sim ou nao" cotacao-web --responde talvez)
run(0 "^Base: 10\\.000,00\nNenhuma dedução\\.\nTotal deduzido: 0,00\n$" deducoes --imposto 1 --base 10.000,00)
run(0 "Já existe uma dedução deste tipo na lista\\.\nMensagem \\(Tarvo Compras\\): O total das deduções deve ficar abaixo da base do imposto\\.\nBase: 10\\.000,00\n1\\. Transporte Fornecido \\|  \\| 1\\.000,00 = 1\\.000,00\n2\\. \\(sem tipo\\) \\| Ferramentas \\| 10,00% = 1\\.000,00\nTotal deduzido: 2\\.000,00\n$"
    deducoes --imposto 6 --base 10.000,00 --adiciona "3||1.000" --adiciona "3||200" --adiciona "0|Ferramentas|10%" --adiciona "0|Pedágio|8000")
run(0 "^Base: 500,00\n1\\. \\(sem tipo\\) \\| B \\| 20,00 = 20,00\nTotal deduzido: 20,00\n$"
    deducoes --imposto 5 --base 500 --adiciona "0|A|10" --adiciona "0|B|20" --remove 1)
run(1 "^Cancelado\\.\n$" deducoes --base 1 --cancela)
run(2 "a base é um valor positivo" deducoes --base -5)
run(2 "--adiciona pede" deducoes --base 5 --adiciona "9|x|1")
run(0 "habilitada: não\nPasso 1 de 10: 10%\n.*Passo 9 de 10: 90%\nPasso 10 de 10: 100%\nJanela principal habilitada: sim\n$" progresso)
run(0 "Passo 2 de 3: 80%\nPasso 3 de 3: 20%\n" progresso --passos 3 --passo 40)
run(2 "o passo é de 1 a 100" progresso --passo 0)
# The message grid: 2 rows show 3 row heights and the header, 40 rows no more than 16;
# a table wider than the desktop is cut to its 1920 pixels; Ctrl+Shift+F2 copies it.
run(0 "^Grade: 345 x 79 pixels\nDiálogo: 373 x 231 pixels\nResposta: Não \\(7\\)\n$" mensagem-grade --linhas 2)
run(0 "^Grade: 345 x 326 pixels\nDiálogo: 373 x 478 pixels\nResposta: Sim \\(6\\)\n$" mensagem-grade --linhas 40 --responde sim)
run(0 "^Grade: 1920 x 98 pixels\nDiálogo: 1948 x 250 pixels\n" mensagem-grade --linhas 3 --largura 3000)
run(0 "Área de transferência:\n\tLinha\tDescrição\tValor\t\r?\n\t1\tItem 1\t100,00\t\r?\nResposta" mensagem-grade --linhas 1 --copia)
run(2 "as linhas são de 0 a 1000" mensagem-grade --linhas 1001)
run(2 "--linhas N" mensagem-grade --copia)
# Releasing purchase orders over the sample budget: order 2 exceeds in two accounts of
# December, order 3 in December and January (the period comes first); releasing order
# 1, which fits, takes budget from order 2.
run(0 "passa do orçamento de compras nas contas abaixo.\n  3.1.02.001 - Serviços de terceiros \\| G.02 - Administrativo \\| 1.500,00\n  3.1.01.001 - Material de consumo \\| G.01 - Produção \\| 2.000,00\nResultado: 7 \\(Não\\)\nOrdem 2: não liberada\n$" ordem liberar 2 --responde nao)
run(0 "^Resultado: 2 \\(nada a perguntar\\)\nOrdem 1: liberada\n$" ordem liberar 1 --responde nao)
run(0 "Material de consumo \\| G.01 - Produção \\| 8.000,00\n" ordem liberar 2 --responde nao)
run(0 "  01/01/2027 a 31/01/2027 \\| 3.1.01.002 - Manutenção de máquinas \\| G.01 - Produção \\| 1.500,00\nResultado: 6 \\(Sim\\)\nOrdem 3: liberada\n$" ordem liberar 3 --responde sim)
run(1 "ordem de compra 99 não existe" ordem liberar 99 --responde sim)
run(2 "inteiro positivo" ordem liberar dois --responde sim)
run(2 "sim ou nao" ordem liberar 2 --responde talvez)
# Budgeted against committed in 2018 for the head office's consumables: month by month
# with the totals line (March has no budget, June a budget of 0, April counts only the
# apportioned part), one budget period (August to July), and 48 months refused.
run(0 "Período: Mensal, 01/01/2018 a 31/12/2018\nData Inicial \\| Data Final \\| Orçado \\| Realizado \\| %\nTotal: +\\| +\\| 144\\.000,00 \\| 20\\.500,00 \\| \n01/01/2018 \\| 31/01/2018 \\| 10\\.000,00 \\| 4\\.000,00 \\| 40,00\n.*01/03/2018 \\| 31/03/2018 \\| 0,00 \\| 4\\.000,00 \\| 0,00\n01/04/2018 \\| 30/04/2018 \\| 12\\.000,00 \\| 6\\.000,00 \\| 50,00\n.*01/06/2018 \\| 30/06/2018 \\| 0,00 \\| 2\\.500,00 \\| 0,00\n"
    orcamento --filial 1 --classificacao 3.1.01.001 --gerencial G.01 --de 01/2018 --ate 12/2018 --mensal)
run(0 "Período: Orçamentário, 01/08/2017 a 31/07/2018\n.*\n01/08/2017 \\| 31/07/2018 \\| 59\\.000,00 \\| 20\\.500,00 \\| 34,74\n$"
    orcamento --filial 1 --classificacao 3.1.01.001 --gerencial G.01 --de 03/2018 --orcamentario)
run(1 "^Aviso \\(Tarvo Compras\\): O período mensal não pode passar de 36 meses\\.\n"
    orcamento --filial 1 --classificacao 3.1.01.001 --gerencial G.01 --de 01/2018 --ate 12/2021 --mensal)
run(1 "Aviso \\(Tarvo Compras\\): Informe a conta gerencial\\."
    orcamento --filial 2 --classificacao 3.1.01.001 --de 01/2018 --ate 02/2018 --mensal)
run(2 "o mês inicial é MM/AAAA" orcamento --filial 1 --classificacao 3.1.01.001 --de 13/2018)
# Order 105 would take November over its budget: "Não" leaves November's committed
# figure alone, "Sim" releases it and the dialog shows it; order 106 fits September.
run(0 "3\\.1\\.01\\.001 - Material de consumo \\| G\\.01 - Produção \\| 5\\.000,00\nResultado: 7 \\(Não\\)\nOrdem 105: não liberada\n$" ordem liberar 105 --responde nao)
run(0 "01/11/2018 \\| 30/11/2018 \\| 20\\.000,00 \\| 0,00 \\| 0,00\n"
    orcamento --filial 1 --classificacao 3.1.01.001 --gerencial G.01 --de 11/2018 --ate 12/2018 --mensal)
run(0 "Resultado: 6 \\(Sim\\)\nOrdem 105: liberada\n$" ordem liberar 105 --responde sim)
run(0 "01/11/2018 \\| 30/11/2018 \\| 20\\.000,00 \\| 25\\.000,00 \\| 125,00\n01/12/2018 \\| 31/12/2018 \\| 20\\.000,00 \\| 8\\.000,00 \\| 40,00\n"
    orcamento --filial 1 --classificacao 3.1.01.001 --gerencial G.01 --de 11/2018 --ate 12/2018 --mensal)
run(0 "^Resultado: 2 \\(nada a perguntar\\)\nOrdem 106: liberada\n$" ordem liberar 106 --responde nao)

# The resizable dialog: it opens as its template says, the drag of the grip grows the
# list and takes the buttons with the corner, the next run opens where the last one
# closed (maximised too, its normal rectangle kept) and nothing shrinks it below its
# opening size.
run(0 "^Posição guardada: \\(nenhuma\\)\nJanela: \\(0, 0\\) - \\(338, 226\\), 338 x 226\n  Lista: \\(11, 11\\) - \\(320, 148\\)\n  Aviso: \\(11, 163\\) - \\(153, 176\\)\n  OK: \\(162, 159\\) - \\(237, 182\\)\n  Cancelar: \\(245, 159\\) - \\(320, 182\\)\nArrasto da alça até 400 x 300:\nJanela: \\(0, 0\\) - \\(400, 300\\), 400 x 300\n  Lista: \\(11, 11\\) - \\(382, 222\\)\n  Aviso: \\(11, 237\\) - \\(153, 250\\)\n  OK: \\(224, 233\\) - \\(299, 256\\)\n  Cancelar: \\(307, 233\\) - \\(382, 256\\)\nGuardado: 0,1,-1,-1,-1,-1,0,0,400,300\n$" redimensiona --arrasta 400x300)
run(0 "^Posição guardada: 0,1,-1,-1,-1,-1,0,0,400,300\nJanela: \\(0, 0\\) - \\(400, 300\\), 400 x 300\n  Lista: \\(11, 11\\) - \\(382, 222\\)\n" redimensiona)
run(0 "Maximiza:\nJanela: \\(-4, -4\\) - \\(1924, 1044\\), 1928 x 1048, maximizada\n.*  Cancelar: \\(1835, 981\\) - \\(1910, 1004\\)\nGuardado: 2,3,-1,-1,-1,-1,0,0,400,300\n$" redimensiona --maximiza)
run(0 "^Posição guardada: 2,3,-1,-1,-1,-1,0,0,400,300\nJanela: \\(-4, -4\\) - \\(1924, 1044\\), 1928 x 1048, maximizada\n" redimensiona)
run(0 "Arrasto da alça até 10 x 10:\nJanela: \\(0, 0\\) - \\(338, 226\\), 338 x 226\n" redimensiona --esquece --arrasta 10x10)
run(2 "LARGURAxALTURA" redimensiona --arrasta 4x)

# The multi-selection lists: the person's steps in the order given, the messages they
# raise and the list handed back as the grid shows it.
run(0 "^Mensagem \\([^)]*\\): Este CFOP já está na lista\\.\nRelação de CFOPs: 2 código\\(s\\)\n  1\\.556  Compra de material para uso ou consumo  \\(filial 1\\)\n  1\\.102  Compra para comercialização  \\(filial 1\\)\n$" multi-cfop --lista 2 --adiciona 1102 --adiciona 1102)
run(0 "1\\.102  Compra para comercialização — Curitiba  \\(filial 2\\)" multi-cfop --filial 2 --adiciona 1102)
run(0 "^Relação de CFOPs: 2 código\\(s\\)\n  1\\.102 [^\n]*\n  1\\.202 " multi-cfop --lista 1,2,4 --remove 2)
run(0 "^Relação de CFOPs: 3 código\\(s\\)\n" multi-cfop --lista 1,2,4 --remove 0)
run(0 "^Relação de contas: 2 código\\(s\\)\n  2\\.1\\.01\\.002  [^\n]*\n  2\\.1\\.01\\.001  Metalúrgica" multi-fornecedor --caracteristica 8 --lista 2002 --adiciona 2.1.01)
run(0 "^Relação de contas: 1 código\\(s\\)\n  2\\.1\\.03\\.001  Consultoria Araucária Ltda\n$" multi-fornecedor --caracteristica 8 --lista 2100,2004,2001 --remove 1)
run(0 "^Relação de contas: 1 código\\(s\\)\n  G\\.02  Administrativo\n$" multi-fornecedor --tipo G --adiciona G.02)
run(1 "^Cancelado: a lista não mudou\\.\n$" multi-fornecedor --tipo G --adiciona G.02 --cancela)
run(2 "o tipo é C" multi-fornecedor --tipo X)
run(2 "a lista é de posições" multi-cfop --lista 1,,2)

# The deactivated histories: the stored list after each run, a history listed twice
# only once (Add is disabled while it is listed), removal by line, and Cancel.
run(0 "^Históricos desativados do número 1: 2\n  2  Devolução de mercadorias\n  5  Adiantamento a fornecedor\n$" historicos-desativados)
run(0 "^Históricos desativados do número 1: 2\n  5  Adiantamento a fornecedor\n  4  Frete sobre compras\n$" historicos-desativados --adiciona 4 --adiciona 4 --remove 1)
run(1 "^Cancelado: a lista não mudou\\.\nHistóricos desativados do número 1: 2\n  5 " historicos-desativados --remove 1 --cancela)
run(0 "Histórico não encontrado.*\nHistóricos desativados do número 7: 1\n  1  Compra de mercadorias conforme nota\n$" historicos-desativados --numero 7 --adiciona 1 --adiciona 99)
run(2 "a linha a remover" historicos-desativados --remove 0)

# A new user's machine: no VRMWND_HOME, an empty HOME. The first command creates the
# install and the company under ~/.local/share/vrmwnd and answers.
set(ENV{HOME} "${CASA}/novo")
unset(ENV{VRMWND_HOME})
run(0 "Condição de pagamento 30: 30 dias\n" consulta condicao 30)
foreach(arquivo registry.ini instalacao/QZCMMens.txt instalacao/log.ini empresas/AMOSTRA/empresa.db)
  if(NOT EXISTS "${CASA}/novo/.local/share/vrmwnd/${arquivo}")
    message(SEND_ERROR "first use did not create ~/.local/share/vrmwnd/${arquivo}")
  endif()
endforeach()
