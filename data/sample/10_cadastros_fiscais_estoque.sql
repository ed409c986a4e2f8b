-- Empresa de amostra: os cadastros dos edits de compras, fiscal e estoque. O contrato
-- CT-2024-07 está encerrado; o local ARM-QUAR guarda só o lote RX-7781 (502); a
-- tabela de preço TP-ANT está desativada; a mensagem 3 também.
INSERT INTO contrato_compra VALUES
  (1, 'CT-2025-01', 'Fornecimento anual de chapas de aço', 2001, 0, 1),
  (2, 'CT-2025-02', 'Distribuição de lubrificantes — Curitiba', 2002, 2, 1),
  (3, 'CT-2025-03', 'Consultoria tributária mensal', 2004, 1, 1),
  (4, 'CT-2024-07', 'Rolamentos importados (encerrado)', 2003, 0, 0);

INSERT INTO controle_qualidade VALUES
  (1, 'CQ-VIS', 'Inspeção visual no recebimento'),
  (2, 'CQ-DIM', 'Conferência dimensional por amostragem'),
  (3, 'CQ-LAB', 'Análise de laboratório com laudo');

INSERT INTO codigo_barras VALUES
  (1, '7891234500106', 10),
  (2, '7891234500113', 11),
  (3, '7891234500120', 13),
  (4, '7891234500137', 14),
  (5, '17891234500103', 10);

INSERT INTO complemento_historico VALUES
  (1, 'conforme pedido de compra', 1),
  (2, 'referente ao contrato vigente', 0),
  (3, 'devolvida por avaria no transporte', 2),
  (4, 'com retenção de impostos na fonte', 0);

INSERT INTO contato_cfrt VALUES
  (11, 2001, 'Rogério Andrade — vendas', 'vendas@ipiranga.example'),
  (12, 2001, 'Sílvia Prado — faturamento', 'faturamento@ipiranga.example'),
  (21, 2002, 'Márcio Teles', 'marcio@sertaneja.example'),
  (41, 2004, 'Luíza Fontana', 'luiza@araucaria.example');

INSERT INTO ajuste_efd VALUES
  (1, 'SP020718', 'Crédito de ICMS na entrada de ativo imobilizado'),
  (2, 'SP090718', 'Estorno de crédito por saída isenta'),
  (3, 'PR020170', 'Crédito presumido de ICMS — Paraná');

INSERT INTO cst_ipi VALUES
  (1, '00', 'Entrada com recuperação de crédito', 'E'),
  (2, '02', 'Entrada isenta', 'E'),
  (3, '03', 'Entrada não tributada', 'E'),
  (4, '49', 'Outras entradas', 'E'),
  (5, '50', 'Saída tributada', 'S'),
  (6, '99', 'Outras saídas', 'S');

INSERT INTO local_estoque VALUES
  (1, 'ALM-01', 'Almoxarifado central', 1, 0),
  (2, 'ARM-CTRL', 'Armário controlado', 1, 0),
  (3, 'ARM-QUAR', 'Quarentena de importados', 0, 502),
  (4, 'DEP-PR', 'Depósito Curitiba', 2, 0);

INSERT INTO mensagem_fiscal VALUES
  (1, 'Mercadoria entregue no endereço de cobrança.', 1),
  (2, 'Imposto retido conforme legislação municipal.', 1),
  (3, 'Suspensão de IPI (regime antigo).', 0);

INSERT INTO tipo_movimento VALUES
  (1, 'ECOMP', 'Entrada por compra', 'E'),
  (2, 'EDEV', 'Entrada por devolução de cliente', 'E'),
  (3, 'STRF', 'Saída por transferência entre filiais', 'S'),
  (4, 'SCONS', 'Saída para consumo interno', 'S');

INSERT INTO codigo_recolhimento VALUES
  (1, '1708', 'IRRF — serviços prestados por pessoa jurídica'),
  (2, '5952', 'PIS/COFINS/CSLL retidos na fonte'),
  (3, '2631', 'INSS retido — cessão de mão de obra');

INSERT INTO tabela_preco VALUES
  (1, 'TP-COMP', 'Compras de materiais 2025', 'C', 'P', 1),
  (2, 'TP-SERV', 'Serviços contratados 2025', 'C', 'S', 1),
  (3, 'TP-VEND', 'Venda de sucata', 'V', 'P', 1),
  (4, 'TP-ANT', 'Compras de materiais 2024', 'C', 'P', 0),
  (5, 'TP-IMP', 'Importados em dólar', 'C', 'P', 1);

INSERT INTO taxa_conversao VALUES
  (1, 'CX12', 'Caixa com 12 unidades', 1, 1, 120000),
  (2, 'T-KG', 'Tonelada em quilogramas', 2, 2, 10000000),
  (3, 'G-KG', 'Quilograma em miligramas', 2, 6, 10000000000),
  (4, 'GL-L', 'Galão de 3,6 litros', 4, 4, 36000);
